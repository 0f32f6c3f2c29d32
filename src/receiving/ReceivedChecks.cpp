#include "receiving/ReceivedChecks.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>
#include <cmath>

#include "receiving/ReceivedInvoice.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReceivedChecks)
};

// How far a category's VAT amount may be from base x rate before the
// invoice is wrong: one currency unit, as the EN 16931 rules allow.
constexpr Cents kVatTolerance = 100;

bool Missing(const QString& term) { return term.trimmed().isEmpty(); }

// Usable in a sum: absent (counts as zero) or a number.
bool Usable(const ReceivedAmount& a) { return !a.present() || a.read(); }

// The rule prefix of a VAT category; null for a code that is none.
QString CategoryRules(const QString& code) {
  static const QMap<QString, QString> rules = {
      {"S", "BR-S"}, {"Z", "BR-Z"}, {"E", "BR-E"}, {"AE", "BR-AE"}, {"K", "BR-IC"},
      {"G", "BR-G"}, {"O", "BR-O"}, {"L", "BR-AF"}, {"M", "BR-AG"}};
  return rules.value(code);
}

// Categories whose tax is base x rate; the others carry no tax at rate 0
// (O: no rate at all).
bool RateApplies(const QString& code) {
  return code == QLatin1String("S") || code == QLatin1String("L") || code == QLatin1String("M");
}

// What is taxed at one category and rate: lines, allowances and charges.
struct Group {
  QString category, rate;
  Cents lines = 0, allowances = 0, charges = 0;
  Cents base() const { return lines - allowances + charges; }
};

// Categories keyed with their rate in hundredths of a percent, so that
// "19" and "19.00" are one.
QString GroupKey(const QString& category, const QString& rate) {
  return category.trimmed() + QLatin1Char('/') +
         (Missing(rate) ? QString() : QString::number(ReceivedAmount{rate}.cents()));
}

class Checker {
 public:
  explicit Checker(const ReceivedInvoice& inv) : inv_(inv) {}

  QList<ReceivedFinding> run() {
    mandatory();
    lines();
    allowancesCharges();
    breakdown();
    formats();
    totals();
    categories();
    return findings_;
  }

 private:
  void fatal(const QString& rule, const QString& text) { findings_.append({rule, true, text}); }
  void warn(const QString& rule, const QString& text) { findings_.append({rule, false, text}); }
  void need(bool present, const char* rule, const QString& text) {
    if (!present) fatal(QLatin1String(rule), text);
  }

  void mandatory() {
    need(!Missing(inv_.customization), "BR-01", Tr::tr("The invoice does not say which rules it follows (BT-24)."));
    need(!Missing(inv_.number), "BR-02", Tr::tr("The invoice has no number (BT-1)."));
    need(inv_.issueDate.present(), "BR-03", Tr::tr("The invoice has no issue date (BT-2)."));
    need(!Missing(inv_.typeCode), "BR-04", Tr::tr("The invoice has no type code (BT-3)."));
    need(!Missing(inv_.currency), "BR-05", Tr::tr("The invoice has no currency (BT-5)."));
    need(!Missing(inv_.seller.name), "BR-06", Tr::tr("The seller has no name (BT-27)."));
    need(!Missing(inv_.buyer.name), "BR-07", Tr::tr("The buyer has no name (BT-44)."));
    need(inv_.seller.hasAddress, "BR-08", Tr::tr("The seller has no postal address (BG-5)."));
    need(!inv_.seller.hasAddress || !Missing(inv_.seller.country), "BR-09",
         Tr::tr("The seller's address has no country code (BT-40)."));
    need(inv_.buyer.hasAddress, "BR-10", Tr::tr("The buyer has no postal address (BG-8)."));
    need(!inv_.buyer.hasAddress || !Missing(inv_.buyer.country), "BR-11",
         Tr::tr("The buyer's address has no country code (BT-55)."));
    need(inv_.lineTotal.present(), "BR-12", Tr::tr("The invoice has no sum of the line nets (BT-106)."));
    need(inv_.taxBasis.present(), "BR-13", Tr::tr("The invoice has no total without VAT (BT-109)."));
    need(inv_.grandTotal.present(), "BR-14", Tr::tr("The invoice has no total with VAT (BT-112)."));
    need(inv_.due.present(), "BR-15", Tr::tr("The invoice has no amount due (BT-115)."));
    need(!inv_.lines.isEmpty(), "BR-16", Tr::tr("The invoice has no line."));
    need(!inv_.seller.ids.isEmpty() || !Missing(inv_.seller.legalId) || !Missing(inv_.seller.vatId), "BR-CO-26",
         Tr::tr("The seller has neither an identifier (BT-29), a legal registration (BT-30) nor a VAT "
                "identifier (BT-31)."));
    if (inv_.due.read() && inv_.due.cents() > 0)
      need(inv_.dueDate.present() || !Missing(inv_.paymentTerms), "BR-CO-25",
           Tr::tr("An amount is due, but the invoice has neither a due date (BT-9) nor payment terms (BT-20)."));
  }

  // A line as the messages name it: its id, else its position.
  static QString LineName(const ReceivedLine& line, qsizetype index) {
    return Missing(line.id) ? QString::number(index + 1) : line.id.trimmed();
  }

  void lines() {
    for (qsizetype i = 0; i < inv_.lines.size(); ++i) {
      const ReceivedLine& l = inv_.lines[i];
      const QString n = LineName(l, i);
      //: %1 the line's id. The same for the next messages.
      need(!Missing(l.id), "BR-21", Tr::tr("Line %1 has no identifier (BT-126).").arg(n));
      need(l.quantity.present(), "BR-22", Tr::tr("Line %1 has no quantity (BT-129).").arg(n));
      need(!Missing(l.unit), "BR-23", Tr::tr("Line %1 has no unit of measure (BT-130).").arg(n));
      need(l.net.present(), "BR-24", Tr::tr("Line %1 has no net amount (BT-131).").arg(n));
      need(!Missing(l.name), "BR-25", Tr::tr("Line %1 has no item name (BT-153).").arg(n));
      need(l.netPrice.present(), "BR-26", Tr::tr("Line %1 has no net price (BT-146).").arg(n));
      need(!l.netPrice.read() || l.netPrice.value() >= 0, "BR-27",
           Tr::tr("Line %1 has a negative net price (BT-146).").arg(n));
      need(!l.grossPrice.read() || l.grossPrice.value() >= 0, "BR-28",
           Tr::tr("Line %1 has a negative gross price (BT-148).").arg(n));
      need(!Missing(l.vatCategory), "BR-CO-04", Tr::tr("Line %1 has no VAT category (BT-151).").arg(n));
      for (const ReceivedAllowanceCharge& ac : l.allowancesCharges) {
        if (ac.charge) {
          need(ac.amount.present(), "BR-43", Tr::tr("A charge on line %1 has no amount (BT-141).").arg(n));
          need(!Missing(ac.reason) || !Missing(ac.reasonCode), "BR-44",
               Tr::tr("A charge on line %1 has no reason (BT-144, BT-145).").arg(n));
        } else {
          need(ac.amount.present(), "BR-41", Tr::tr("An allowance on line %1 has no amount (BT-136).").arg(n));
          need(!Missing(ac.reason) || !Missing(ac.reasonCode), "BR-42",
               Tr::tr("An allowance on line %1 has no reason (BT-139, BT-140).").arg(n));
        }
      }
      lineNet(l, n);
    }
  }

  // quantity x net price / base quantity, with the line's charges added
  // and its allowances taken off, rounded to the cent. No EN 16931 rule
  // asks for it and sellers round their own way (some examples of the
  // standard's own differ), so a difference is a warning: the line's net as
  // written is what the totals are checked against.
  void lineNet(const ReceivedLine& l, const QString& n) {
    if (!l.quantity.read() || !l.netPrice.read() || !l.net.read() || !Usable(l.baseQuantity)) return;
    const long double base = l.baseQuantity.read() && l.baseQuantity.value() != 0 ? l.baseQuantity.value() : 1;
    Cents expected = std::llround(l.quantity.value() * l.netPrice.value() / base * 100);
    for (const ReceivedAllowanceCharge& ac : l.allowancesCharges) {
      if (!ac.amount.read()) return;
      expected += ac.charge ? ac.amount.cents() : -ac.amount.cents();
    }
    if (l.net.cents() == expected) return;
    //: %1 the line, %2 the net amount written, %3 the net amount computed.
    warn(QStringLiteral("TB-LINE-NET"), Tr::tr("Line %1's net amount (BT-131) is %2, but quantity times net price "
                                               "(with the line's allowances and charges) makes %3.")
                                            .arg(n, l.net.text, AmountText(expected)));
  }

  void allowancesCharges() {
    for (const ReceivedAllowanceCharge& ac : inv_.allowancesCharges) {
      if (ac.charge) {
        need(ac.amount.present(), "BR-36", Tr::tr("A charge of the invoice has no amount (BT-99)."));
        need(!Missing(ac.vatCategory), "BR-37", Tr::tr("A charge of the invoice has no VAT category (BT-102)."));
        need(!Missing(ac.reason) || !Missing(ac.reasonCode), "BR-38",
             Tr::tr("A charge of the invoice has no reason (BT-104, BT-105)."));
      } else {
        need(ac.amount.present(), "BR-31", Tr::tr("An allowance of the invoice has no amount (BT-92)."));
        need(!Missing(ac.vatCategory), "BR-32", Tr::tr("An allowance of the invoice has no VAT category (BT-95)."));
        need(!Missing(ac.reason) || !Missing(ac.reasonCode), "BR-33",
             Tr::tr("An allowance of the invoice has no reason (BT-97, BT-98)."));
      }
    }
  }

  void breakdown() {
    need(!inv_.vat.isEmpty(), "BR-CO-18", Tr::tr("The invoice has no VAT breakdown (BG-23)."));
    for (const ReceivedVat& v : inv_.vat) {
      const QString c = v.category.trimmed();
      //: %1 the VAT category's code. The same for the next messages.
      need(v.base.present(), "BR-45", Tr::tr("The VAT breakdown of category %1 has no taxable amount (BT-116).").arg(c));
      need(v.tax.present(), "BR-46", Tr::tr("The VAT breakdown of category %1 has no VAT amount (BT-117).").arg(c));
      need(!Missing(c), "BR-47", Tr::tr("A VAT breakdown has no category (BT-118)."));
      need(c == QLatin1String("O") || !Missing(v.rate), "BR-48",
           Tr::tr("The VAT breakdown of category %1 has no rate (BT-119).").arg(c));
      need(Missing(c) || !CategoryRules(c).isNull(), "BR-CL-18",
           Tr::tr("\"%1\" is no VAT category (S, Z, E, AE, K, G, O, L or M).").arg(c));
    }
  }

  void date(const ReceivedDate& d, const char* term) {
    if (!d.present() || d.date.isValid()) return;
    //: %1 the business term (BT-2), %2 the text written.
    fatal(QStringLiteral("TB-DATE"), Tr::tr("The date %1 \"%2\" is no date in the form the format requires.")
                                         .arg(QLatin1String(term), d.text));
  }

  void code(const QString& text, const char* pattern, const char* rule, const QString& what) {
    if (text.isNull() || QRegularExpression(QLatin1String(pattern)).match(text).hasMatch()) return;
    fatal(QLatin1String(rule), what.arg(text));
  }

  void amount(const ReceivedAmount& a, const QString& term) {
    //: %1 the business term (BT-106), %2 the text written.
    if (a.present() && !a.read())
      fatal(QStringLiteral("TB-AMOUNT"), Tr::tr("The amount %1 \"%2\" is no number.").arg(term, a.text));
  }

  void formats() {
    date(inv_.issueDate, "BT-2");
    date(inv_.dueDate, "BT-9");
    date(inv_.precedingDate, "BT-26");
    date(inv_.deliveryDate, "BT-72");
    //: %1 the code written. The same for the next messages.
    code(inv_.currency, "^[A-Z]{3}$", "TB-CURRENCY", Tr::tr("The currency \"%1\" (BT-5) is no ISO 4217 code."));
    code(inv_.taxCurrency, "^[A-Z]{3}$", "TB-CURRENCY", Tr::tr("The VAT currency \"%1\" (BT-6) is no ISO 4217 code."));
    code(inv_.typeCode, "^[0-9]{3}$", "TB-CODE", Tr::tr("The type code \"%1\" (BT-3) is no document type code."));
    code(inv_.seller.country, "^[A-Z]{2}$", "TB-CODE", Tr::tr("The seller's country \"%1\" (BT-40) is no country code."));
    code(inv_.buyer.country, "^[A-Z]{2}$", "TB-CODE", Tr::tr("The buyer's country \"%1\" (BT-55) is no country code."));
    code(inv_.seller.vatId, "^[A-Z]{2}", "BR-CO-09",
         Tr::tr("The seller's VAT identifier \"%1\" (BT-31) does not begin with a country code."));
    code(inv_.buyer.vatId, "^[A-Z]{2}", "BR-CO-09",
         Tr::tr("The buyer's VAT identifier \"%1\" (BT-48) does not begin with a country code."));
    const std::pair<const ReceivedAmount*, const char*> totals[] = {
        {&inv_.lineTotal, "BT-106"}, {&inv_.allowanceTotal, "BT-107"}, {&inv_.chargeTotal, "BT-108"},
        {&inv_.taxBasis, "BT-109"},  {&inv_.taxTotal, "BT-110"},       {&inv_.grandTotal, "BT-112"},
        {&inv_.paid, "BT-113"},      {&inv_.rounding, "BT-114"},       {&inv_.due, "BT-115"}};
    for (const auto& [a, term] : totals) amount(*a, QLatin1String(term));
    for (const ReceivedVat& v : inv_.vat) {
      amount(v.base, QStringLiteral("BT-116"));
      amount(v.tax, QStringLiteral("BT-117"));
    }
    for (const ReceivedLine& l : inv_.lines) {
      amount(l.quantity, QStringLiteral("BT-129"));
      amount(l.net, QStringLiteral("BT-131"));
      amount(l.netPrice, QStringLiteral("BT-146"));
      amount(l.baseQuantity, QStringLiteral("BT-149"));
    }
    for (const ReceivedAllowanceCharge& ac : inv_.allowancesCharges)
      amount(ac.amount, QLatin1String(ac.charge ? "BT-99" : "BT-92"));
  }

  // rule: total (a term) is expected; says so when it is not.
  void sum(const char* rule, const ReceivedAmount& total, const char* term, Cents expected, const QString& how) {
    if (total.cents() == expected) return;
    //: %1 the business term (BT-106), %2 the amount written, %3 the amount computed, %4 how (the next messages).
    fatal(QLatin1String(rule), Tr::tr("The amount %1 is %2, but %4 makes %3.")
                                   .arg(QLatin1String(term), total.present() ? total.text : QStringLiteral("0"),
                                        AmountText(expected), how));
  }

  void totals() {
    bool linesUsable = true;
    Cents lineNets = 0;
    for (const ReceivedLine& l : inv_.lines) {
      linesUsable = linesUsable && Usable(l.net);
      lineNets += l.net.cents();
    }
    Cents allowances = 0, charges = 0;
    bool acUsable = true;
    for (const ReceivedAllowanceCharge& ac : inv_.allowancesCharges) {
      acUsable = acUsable && Usable(ac.amount);
      (ac.charge ? charges : allowances) += ac.amount.cents();
    }
    Cents breakdownTax = 0;
    bool vatUsable = true;
    for (const ReceivedVat& v : inv_.vat) {
      vatUsable = vatUsable && Usable(v.tax);
      breakdownTax += v.tax.cents();
    }
    const auto usable = [](std::initializer_list<const ReceivedAmount*> amounts) {
      for (const ReceivedAmount* a : amounts)
        if (!Usable(*a)) return false;
      return true;
    };
    if (linesUsable && inv_.lineTotal.read())
      sum("BR-CO-10", inv_.lineTotal, "BT-106", lineNets, Tr::tr("the sum of the line nets"));
    if (acUsable && usable({&inv_.allowanceTotal}) && (inv_.allowanceTotal.present() || allowances != 0))
      sum("BR-CO-11", inv_.allowanceTotal, "BT-107", allowances, Tr::tr("the sum of the invoice's allowances"));
    if (acUsable && usable({&inv_.chargeTotal}) && (inv_.chargeTotal.present() || charges != 0))
      sum("BR-CO-12", inv_.chargeTotal, "BT-108", charges, Tr::tr("the sum of the invoice's charges"));
    if (inv_.taxBasis.read() && usable({&inv_.lineTotal, &inv_.allowanceTotal, &inv_.chargeTotal}))
      sum("BR-CO-13", inv_.taxBasis, "BT-109",
          inv_.lineTotal.cents() - inv_.allowanceTotal.cents() + inv_.chargeTotal.cents(),
          Tr::tr("the line nets less allowances plus charges"));
    if (vatUsable && usable({&inv_.taxTotal}) && (inv_.taxTotal.present() || breakdownTax != 0))
      sum("BR-CO-14", inv_.taxTotal, "BT-110", breakdownTax, Tr::tr("the sum of the VAT breakdown's amounts"));
    if (inv_.grandTotal.read() && usable({&inv_.taxBasis, &inv_.taxTotal}))
      sum("BR-CO-15", inv_.grandTotal, "BT-112", inv_.taxBasis.cents() + inv_.taxTotal.cents(),
          Tr::tr("the total without VAT plus the VAT"));
    if (inv_.due.read() && usable({&inv_.grandTotal, &inv_.paid, &inv_.rounding}))
      sum("BR-CO-16", inv_.due, "BT-115", inv_.grandTotal.cents() - inv_.paid.cents() + inv_.rounding.cents(),
          Tr::tr("the total with VAT less the amount paid plus rounding"));
  }

  // Each item's rate as its category wants it: none for O, zero for the
  // untaxed, above zero where a rate applies (-05 lines, -06 allowances,
  // -07 charges).
  void itemRate(const QString& category, const QString& rate, const char* suffix, const QString& what) {
    const QString rules = CategoryRules(category);
    if (rules.isNull()) return;
    const QString rule = rules + QLatin1String(suffix);
    const ReceivedAmount r{rate};
    //: %1 the item (line 2, an allowance, a charge), %2 the category, %3 the rate; for O %2 is the rate.
    if (category == QLatin1String("O")) {
      if (!Missing(rate))
        fatal(rule, Tr::tr("%1 of category O (not subject to VAT) has a VAT rate (%2).").arg(what, rate));
    } else if (RateApplies(category)) {
      if (r.read() && r.value() <= 0)
        fatal(rule, Tr::tr("%1 of category %2 has a VAT rate of %3, not above zero.").arg(what, category, rate));
    } else if (r.read() && r.value() != 0) {
      fatal(rule, Tr::tr("%1 of category %2 has a VAT rate of %3, not zero.").arg(what, category, rate));
    }
  }

  void categories() {
    QMap<QString, Group> groups;
    const auto group = [&](const QString& category, const QString& rate) -> Group& {
      Group& g = groups[GroupKey(category, rate)];
      g.category = category.trimmed();
      g.rate = rate.trimmed();
      return g;
    };
    for (qsizetype i = 0; i < inv_.lines.size(); ++i) {
      const ReceivedLine& l = inv_.lines[i];
      if (!Usable(l.net)) return;
      group(l.vatCategory, l.vatRate).lines += l.net.cents();
      itemRate(l.vatCategory.trimmed(), l.vatRate, "-05", Tr::tr("Line %1").arg(LineName(l, i)));
    }
    for (const ReceivedAllowanceCharge& ac : inv_.allowancesCharges) {
      if (!Usable(ac.amount)) return;
      Group& g = group(ac.vatCategory, ac.vatRate);
      (ac.charge ? g.charges : g.allowances) += ac.amount.cents();
      itemRate(ac.vatCategory.trimmed(), ac.vatRate, ac.charge ? "-07" : "-06",
               ac.charge ? Tr::tr("A charge of the invoice") : Tr::tr("An allowance of the invoice"));
    }
    QMap<QString, bool> inBreakdown;
    QMap<QString, bool> categoryInBreakdown;
    for (const ReceivedVat& v : inv_.vat) {
      const QString c = v.category.trimmed();
      const QString rules = CategoryRules(c);
      if (rules.isNull()) continue;
      const QString key = GroupKey(c, c == QLatin1String("O") ? QString() : v.rate);
      inBreakdown[key] = true;
      categoryInBreakdown[c] = true;
      const Group g = groups.value(key);
      const QString rate = Missing(v.rate) ? QStringLiteral("-") : v.rate.trimmed();
      //: %1 the category, %2 its rate, %3 the amount written, %4 the sum computed.
      if (v.base.read() && v.base.cents() != g.base())
        fatal(rules + QLatin1String("-08"), Tr::tr("The taxable amount of category %1 at %2% (BT-116) is %3, but its "
                                                   "lines, allowances and charges add up to %4.")
                                                .arg(c, rate, v.base.text, AmountText(g.base())));
      if (v.tax.read()) vatAmount(v, rules);
      const bool reason = !Missing(v.exemptionReason) || !Missing(v.exemptionCode);
      if (c == QLatin1String("S") || c == QLatin1String("Z")) {
        if (reason)
          fatal(rules + QLatin1String("-10"),
                Tr::tr("The VAT breakdown of category %1 gives an exemption reason, which it must not.").arg(c));
      } else if (!RateApplies(c) && !reason) {
        fatal(rules + QLatin1String("-10"),
              Tr::tr("The VAT breakdown of category %1 gives no exemption reason (BT-120, BT-121).").arg(c));
      }
    }
    for (const Group& g : groups) {
      const QString rules = CategoryRules(g.category);
      if (rules.isNull() || inBreakdown.value(GroupKey(g.category, g.category == QLatin1String("O") ? QString() : g.rate)))
        continue;
      if (!categoryInBreakdown.value(g.category))
        fatal(rules + QLatin1String("-01"),
              Tr::tr("The invoice has items of VAT category %1 but no VAT breakdown of that category.").arg(g.category));
      else
        //: %1 the category, %2 its rate, %3 the sum.
        fatal(rules + QLatin1String("-08"), Tr::tr("The items of category %1 at %2% add up to %3, but the VAT "
                                                   "breakdown has no such category and rate.")
                                                .arg(g.category, g.rate, AmountText(g.base())));
    }
  }

  // -09: base x rate, rounded to the cent, where a rate applies; else zero.
  // The rules accept up to one currency unit off (a seller may round each
  // item); up to that is a warning, so that a few cents off are seen.
  void vatAmount(const ReceivedVat& v, const QString& rules) {
    const QString c = v.category.trimmed();
    const QString rule = rules + QLatin1String("-09");
    if (!RateApplies(c)) {
      if (v.tax.cents() != 0)
        //: %1 the category, %2 the amount written.
        fatal(rule, Tr::tr("The VAT amount of category %1 (BT-117) is %2, but it must be zero.").arg(c, v.tax.text));
      return;
    }
    const ReceivedAmount rate{v.rate};
    if (!v.base.read() || !rate.read()) return;
    const Cents expected = std::llround(v.base.cents() * rate.value() / 100);
    const Cents off = std::llabs(v.tax.cents() - expected);
    if (off == 0) return;
    //: %1 the category, %2 its rate, %3 the amount written, %4 the amount computed.
    const QString text = Tr::tr("The VAT amount of category %1 at %2% (BT-117) is %3, but the taxable amount "
                                "times the rate makes %4.")
                             .arg(c, v.rate.trimmed(), v.tax.text, AmountText(expected));
    if (off <= kVatTolerance)
      warn(rule, text);
    else
      fatal(rule, text);
  }

  const ReceivedInvoice& inv_;
  QList<ReceivedFinding> findings_;
};

}  // namespace

QList<ReceivedFinding> CheckReceived(const ReceivedInvoice& invoice) { return Checker(invoice).run(); }

bool AnyFatal(const QList<ReceivedFinding>& findings) {
  for (const ReceivedFinding& f : findings)
    if (f.fatal) return true;
  return false;
}
