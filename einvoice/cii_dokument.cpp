#include "einvoice/cii_dokument.h"

#include <optional>
#include <string_view>
#include <vector>

#include "einvoice/wandeln_utf8.h"
#include "einvoice/zahlwert.h"
#include "platform/text/datum.h"
#include "platform/text/zahl.h"

namespace einvoice {
namespace {

// The reverse-charge wording of seller information and exemption reason,
// written as it stands (ä and ü already in UTF-8, quotes as entities).
constexpr std::string_view kReverseCharge =
    "Der Rechnungsausweis erfolgt ohne Umsatzsteuer (&quot;Reverse-Charge-Verfahren&quot;). "
    "Die Umsatzsteuer ist vom Leistungsempf\xC3\xA4nger anzumelden und abzuf\xC3\xBChren.";

std::string feldname(int n, std::string_view teil) {
  return "L" + std::to_string(n) + "_" + std::string(teil);
}

class Zeilen {
 public:
  void fest(int einzug, std::string_view text) {
    zeilen_.push_back(std::string(static_cast<std::size_t>(einzug), ' ') + std::string(text));
  }
  // An element with a field value between its tags.
  void wert(int einzug, std::string_view auf, std::string_view inhalt, std::string_view zu) {
    fest(einzug, std::string(auf) + xml_wert(inhalt) + std::string(zu));
  }
  std::string text() const {
    std::string r;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
      if (i > 0) r += "\r\n";
      r += zeilen_[i];
    }
    return r;
  }

 private:
  std::vector<std::string> zeilen_;
};

void kopf(Zeilen& z, const Rechnungssatz& s, const Abgeleitet& a) {
  z.fest(0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  z.fest(0,
         "<rsm:CrossIndustryInvoice "
         "xmlns:rsm=\"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100\"");
  z.fest(6, "xmlns:qdt=\"urn:un:unece:uncefact:data:standard:QualifiedDataType:100\"");
  z.fest(6,
         "xmlns:ram=\"urn:un:unece:uncefact:data:standard:"
         "ReusableAggregateBusinessInformationEntity:100\"");
  z.fest(6, "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"");
  z.fest(6, "xmlns:udt=\"urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100\">");
  z.fest(3, "<rsm:ExchangedDocumentContext>");
  z.fest(6, "<ram:BusinessProcessSpecifiedDocumentContextParameter>");
  z.fest(9, "<ram:ID>urn:fdc:peppol.eu:2017:poacc:billing:01:1.0</ram:ID>");
  z.fest(6, "</ram:BusinessProcessSpecifiedDocumentContextParameter>");
  z.fest(6, "<ram:GuidelineSpecifiedDocumentContextParameter>");
  z.fest(9,
         "<ram:ID>urn:cen.eu:en16931:2017#compliant#urn:xeinkauf.de:kosit:xrechnung_3.0</ram:ID>");
  z.fest(6, "</ram:GuidelineSpecifiedDocumentContextParameter>");
  z.fest(3, "</rsm:ExchangedDocumentContext>");
  z.fest(3, "<rsm:ExchangedDocument>");
  z.wert(6, "<ram:ID>", s["Rech_Nummer"], "</ram:ID>");
  z.fest(6, "<ram:TypeCode>380</ram:TypeCode>");
  z.fest(6, "<ram:IssueDateTime>");
  z.wert(9, "<udt:DateTimeString format=\"102\">", s["Rech_Datum"], "</udt:DateTimeString>");
  z.fest(6, "</ram:IssueDateTime>");
  z.fest(6, "<ram:IncludedNote>");
  z.wert(9, "<ram:Content>", a.RevCharge, "</ram:Content>");
  z.fest(6, "</ram:IncludedNote>");
  z.fest(3, "</rsm:ExchangedDocument>");
  z.fest(3, "<rsm:SupplyChainTradeTransaction>");
}

void position(Zeilen& z, const Rechnungssatz& s, int n) {
  const std::string& bezeichnung = s[feldname(n, "Bezeichnung")];
  z.fest(6, "<ram:IncludedSupplyChainTradeLineItem>");
  z.fest(9, "<ram:AssociatedDocumentLineDocument>");
  z.fest(12, "<ram:LineID>" + std::to_string(n) + "</ram:LineID>");
  z.fest(9, "</ram:AssociatedDocumentLineDocument>");
  z.fest(9, "<ram:SpecifiedTradeProduct>");
  z.wert(12, "<ram:SellerAssignedID>", bezeichnung, "</ram:SellerAssignedID>");
  z.wert(12, "<ram:Name>", bezeichnung, "</ram:Name>");
  z.wert(12, "<ram:Description>", bezeichnung, "</ram:Description>");
  z.fest(9, "</ram:SpecifiedTradeProduct>");
  z.fest(9, "<ram:SpecifiedLineTradeAgreement>");
  z.fest(12, "<ram:NetPriceProductTradePrice>");
  z.wert(15, "<ram:ChargeAmount>", s[feldname(n, "Einzelpreis")], "</ram:ChargeAmount>");
  z.fest(12, "</ram:NetPriceProductTradePrice>");
  z.fest(9, "</ram:SpecifiedLineTradeAgreement>");
  z.fest(9, "<ram:SpecifiedLineTradeDelivery>");
  z.wert(12, "<ram:BilledQuantity unitCode=\"XPP\">", s[feldname(n, "Menge")],
         "</ram:BilledQuantity>");
  z.fest(9, "</ram:SpecifiedLineTradeDelivery>");
  z.fest(9, "<ram:SpecifiedLineTradeSettlement>");
  z.fest(12, "<ram:ApplicableTradeTax>");
  z.fest(15, "<ram:TypeCode>VAT</ram:TypeCode>");
  z.fest(15, "<ram:CategoryCode>AE</ram:CategoryCode>");
  z.fest(15, "<ram:RateApplicablePercent>0</ram:RateApplicablePercent>");
  z.fest(12, "</ram:ApplicableTradeTax>");
  z.fest(12, "<ram:SpecifiedTradeSettlementLineMonetarySummation>");
  z.wert(15, "<ram:LineTotalAmount>", s[feldname(n, "Gesamtpreis")], "</ram:LineTotalAmount>");
  z.fest(12, "</ram:SpecifiedTradeSettlementLineMonetarySummation>");
  z.fest(9, "</ram:SpecifiedLineTradeSettlement>");
  z.fest(6, "</ram:IncludedSupplyChainTradeLineItem>");
}

void vereinbarung(Zeilen& z, const Rechnungssatz& s) {
  z.fest(6, "<ram:ApplicableHeaderTradeAgreement>");
  z.wert(9, "<ram:BuyerReference>", s["Kunden_Nummer"], "</ram:BuyerReference>");
  z.fest(9, "<ram:SellerTradeParty>");
  z.wert(12, "<ram:Name>", s["Lieferant"], "</ram:Name>");
  z.fest(12, "<ram:Description>" + std::string(kReverseCharge) + "</ram:Description>");
  z.fest(12, "<ram:SpecifiedLegalOrganization>");
  z.wert(15, "<ram:ID>", s["Liefer_VAT"], "</ram:ID>");
  z.wert(15, "<ram:TradingBusinessName>", s["Lieferant"], "</ram:TradingBusinessName>");
  z.fest(12, "</ram:SpecifiedLegalOrganization>");
  z.fest(12, "<ram:DefinedTradeContact>");
  z.wert(15, "<ram:PersonName>", s["Liefer_MA"], "</ram:PersonName>");
  z.fest(15, "<ram:TelephoneUniversalCommunication>");
  z.wert(18, "<ram:CompleteNumber>", s["Liefer_Tel"], "</ram:CompleteNumber>");
  z.fest(15, "</ram:TelephoneUniversalCommunication>");
  z.fest(15, "<ram:EmailURIUniversalCommunication>");
  z.wert(18, "<ram:URIID>", s["Liefer_Mail"], "</ram:URIID>");
  z.fest(15, "</ram:EmailURIUniversalCommunication>");
  z.fest(12, "</ram:DefinedTradeContact>");
  z.fest(12, "<ram:PostalTradeAddress>");
  z.wert(15, "<ram:PostcodeCode>", s["Liefer_PLZ"], "</ram:PostcodeCode>");
  z.wert(15, "<ram:LineOne>", s["Liefer_Strasse"], "</ram:LineOne>");
  z.wert(15, "<ram:CityName>", s["Liefer_Ort"], "</ram:CityName>");
  z.wert(15, "<ram:CountryID>", s["Liefer_Land"], "</ram:CountryID>");
  z.fest(12, "</ram:PostalTradeAddress>");
  z.fest(12, "<ram:URIUniversalCommunication>");
  z.wert(15, "<ram:URIID schemeID=\"EM\">", s["Liefer_Mail"], "</ram:URIID>");
  z.fest(12, "</ram:URIUniversalCommunication>");
  z.fest(12, "<ram:SpecifiedTaxRegistration>");
  z.wert(15, "<ram:ID schemeID=\"VA\">", s["Liefer_VAT"], "</ram:ID>");
  z.fest(12, "</ram:SpecifiedTaxRegistration>");
  z.fest(12, "<ram:SpecifiedTaxRegistration>");
  z.wert(15, "<ram:ID schemeID=\"FC\">", s["Liefer_VAT"], "</ram:ID>");
  z.fest(12, "</ram:SpecifiedTaxRegistration>");
  z.fest(9, "</ram:SellerTradeParty>");
  z.fest(9, "<ram:BuyerTradeParty>");
  z.wert(12, "<ram:ID>", s["Kunden_Nummer"], "</ram:ID>");
  z.wert(12, "<ram:Name>", s["Kunde"], "</ram:Name>");
  z.fest(12, "<ram:DefinedTradeContact>");
  z.wert(15, "<ram:PersonName>", s["Kunde_MA"], "</ram:PersonName>");
  z.fest(15, "<ram:EmailURIUniversalCommunication>");
  z.wert(18, "<ram:URIID>", s["Kunde_MAMail"], "</ram:URIID>");
  z.fest(15, "</ram:EmailURIUniversalCommunication>");
  z.fest(12, "</ram:DefinedTradeContact>");
  z.fest(12, "<ram:PostalTradeAddress>");
  z.wert(15, "<ram:PostcodeCode>", s["Kunde_PLZ"], "</ram:PostcodeCode>");
  z.wert(15, "<ram:LineOne>", s["Kunde_Strasse"], "</ram:LineOne>");
  z.wert(15, "<ram:CityName>", s["Kunde_Ort"], "</ram:CityName>");
  z.wert(15, "<ram:CountryID>", s["Kunde_Land"], "</ram:CountryID>");
  z.fest(12, "</ram:PostalTradeAddress>");
  z.fest(12, "<ram:URIUniversalCommunication>");
  z.wert(15, "<ram:URIID schemeID=\"EM\">", s["Kunde_Mail"], "</ram:URIID>");
  z.fest(12, "</ram:URIUniversalCommunication>");
  z.fest(12, "<ram:SpecifiedTaxRegistration>");
  z.wert(15, "<ram:ID schemeID=\"VA\">", s["Kunde_VAT"], "</ram:ID>");
  z.fest(12, "</ram:SpecifiedTaxRegistration>");
  z.fest(9, "</ram:BuyerTradeParty>");
  z.fest(6, "</ram:ApplicableHeaderTradeAgreement>");
}

void lieferung_und_abrechnung(Zeilen& z, const Rechnungssatz& s, const Abgeleitet& a) {
  z.fest(6, "<ram:ApplicableHeaderTradeDelivery>");
  z.fest(9, "<ram:ActualDeliverySupplyChainEvent>");
  z.fest(12, "<ram:OccurrenceDateTime>");
  z.wert(15, "<udt:DateTimeString format=\"102\">", s["Liefer_Datum"], "</udt:DateTimeString>");
  z.fest(12, "</ram:OccurrenceDateTime>");
  z.fest(9, "</ram:ActualDeliverySupplyChainEvent>");
  z.fest(6, "</ram:ApplicableHeaderTradeDelivery>");
  z.fest(6, "<ram:ApplicableHeaderTradeSettlement>");
  z.fest(9, "<ram:InvoiceCurrencyCode>EUR</ram:InvoiceCurrencyCode>");
  z.fest(9, "<ram:SpecifiedTradeSettlementPaymentMeans>");
  z.fest(12, "<ram:TypeCode>58</ram:TypeCode>");
  z.fest(12, "<ram:PayeePartyCreditorFinancialAccount>");
  z.wert(15, "<ram:IBANID>", s["Liefer_IBAN"], "</ram:IBANID>");
  z.wert(15, "<ram:AccountName>", s["Lieferant"], "</ram:AccountName>");
  z.fest(12, "</ram:PayeePartyCreditorFinancialAccount>");
  z.fest(12, "<ram:PayeeSpecifiedCreditorFinancialInstitution>");
  z.wert(15, "<ram:BICID>", s["Liefer_BIC"], "</ram:BICID>");
  z.fest(12, "</ram:PayeeSpecifiedCreditorFinancialInstitution>");
  z.fest(9, "</ram:SpecifiedTradeSettlementPaymentMeans>");
  z.fest(9, "<ram:ApplicableTradeTax>");
  z.wert(12, "<ram:CalculatedAmount>", a.Total_MwSt, "</ram:CalculatedAmount>");
  z.fest(12, "<ram:TypeCode>VAT</ram:TypeCode>");
  z.fest(12, "<ram:ExemptionReason>" + std::string(kReverseCharge) + "</ram:ExemptionReason>");
  z.wert(12, "<ram:BasisAmount>", a.Total_Preis, "</ram:BasisAmount>");
  z.fest(12, "<ram:CategoryCode>AE</ram:CategoryCode>");
  z.fest(12, "<ram:RateApplicablePercent>0.00</ram:RateApplicablePercent>");
  z.fest(9, "</ram:ApplicableTradeTax>");
  // The payment terms carry no description: an empty element would make every
  // invoice fail the XRechnung rules.
  z.fest(9, "<ram:SpecifiedTradePaymentTerms>");
  z.fest(12, "<ram:DueDateDateTime>");
  z.wert(15, "<udt:DateTimeString format=\"102\">", a.Zahl_Datum, "</udt:DateTimeString>");
  z.fest(12, "</ram:DueDateDateTime>");
  z.fest(9, "</ram:SpecifiedTradePaymentTerms>");
  z.fest(9, "<ram:SpecifiedTradeSettlementHeaderMonetarySummation>");
  z.wert(12, "<ram:LineTotalAmount>", a.Total_Preis, "</ram:LineTotalAmount>");
  z.wert(12, "<ram:TaxBasisTotalAmount>", a.Total_Preis, "</ram:TaxBasisTotalAmount>");
  z.wert(12, "<ram:TaxTotalAmount currencyID=\"EUR\">", a.Total_MwSt, "</ram:TaxTotalAmount>");
  z.wert(12, "<ram:GrandTotalAmount>", a.Total_Preis, "</ram:GrandTotalAmount>");
  z.wert(12, "<ram:DuePayableAmount>", a.Total_Preis, "</ram:DuePayableAmount>");
  z.fest(9, "</ram:SpecifiedTradeSettlementHeaderMonetarySummation>");
  z.fest(6, "</ram:ApplicableHeaderTradeSettlement>");
  z.fest(3, "</rsm:SupplyChainTradeTransaction>");
  z.fest(0, "</rsm:CrossIndustryInvoice>");
}

}  // namespace

bool position_aktiv(const Rechnungssatz& satz, int n) {
  return zahlwert(satz[feldname(n, "Gesamtpreis")]) != 0.0;
}

Abgeleitet berechne_abgeleitete(const Rechnungssatz& satz) {
  Abgeleitet a;
  double summe = 0.0;
  for (int n = 1; n <= 4; ++n) summe += zahlwert(satz[feldname(n, "Gesamtpreis")]);
  summe = plat::text::runde(summe, 2);
  if (summe == 0.0) summe = 0.0;  // no "-0.00"
  // Written in full with two decimals: a fixed 8-character field would overflow
  // from 100000.00 on.
  a.Total_Preis = plat::text::zahl_ohne_breite(summe, 2);
  a.Total_MwSt = "0.00";
  // An invoice date that is no calendar date gives no due date rather than a guessed one.
  if (auto d = plat::text::Datum::aus_dtos(satz["Rech_Datum"]); d && !d->leer()) {
    const plat::text::Datum faellig = d->plus_tage(10);
    if (faellig.jahr() <= 9999) a.Zahl_Datum = faellig.dtos();
  }
  a.RevCharge = "Steuerschulderschaft des Leistungsempf\x84ngers.";
  return a;
}

std::string cii_dokument(const Rechnungssatz& satz, const Abgeleitet& abgeleitet) {
  Zeilen z;
  kopf(z, satz, abgeleitet);
  for (int n = 1; n <= 4; ++n) {
    if (position_aktiv(satz, n)) position(z, satz, n);
  }
  vereinbarung(z, satz);
  lieferung_und_abrechnung(z, satz, abgeleitet);
  return z.text();
}

}  // namespace einvoice
