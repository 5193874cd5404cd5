#include "worksheet/explanation_sentences.h"

#include "core/values.h"

#include <QStringList>
#include <array>

namespace qvr {

const QString kParagraphBreak = "\r\n\r\n";

namespace {

// Completed years on `today`; none for a date of birth that is not a date or lies ahead.
std::optional<int> AgeOn(const QString& dateOfBirth, const QDate& today) {
    const std::optional<QDate> born = ParseDate(dateOfBirth);
    if (!born || *born > today) return std::nullopt;
    int age = today.year() - born->year();
    if (today.month() < born->month() || (today.month() == born->month() && today.day() < born->day())) --age;
    return age;
}

QString ChildText(const CaptionOf& caption, int row, const QDate& today) {
    const QString name = caption(QString("lblChild%1Name").arg(row)).trimmed();
    if (name.isEmpty()) return {};
    const std::optional<int> age = AgeOn(caption(QString("lblChild%1DOB").arg(row)), today);
    return age ? name + " - age " + QString::number(*age) : name;
}

QString PartiesSentence(const PartyFigures& plaintiff, const PartyFigures& defendant, Wording wording) {
    if (!plaintiff.named && !defendant.named)
        return wording == Wording::Plain
                   ? "Neither the Plaintiff nor the Defendant in this case has been identified yet."
                   : "Neither the Plaintiff or the Defendant in this case has not yet been identified.";
    if (!plaintiff.named)
        return "The Defendant in this case is " + defendant.name + ", but the Plaintiff has not yet been identified.";
    if (!defendant.named)
        return "The Plaintiff in this case is " + plaintiff.name + ", but the Defendant has not yet been identified.";
    return "The Parties in this case are " + plaintiff.name + ", who is the Plaintiff, and " + defendant.name +
           ", who is the Defendant.";
}

QString ChildrenSentence(const CaptionOf& caption, int numChildren, const QDate& today, Wording wording) {
    if (numChildren == 0) return "No children have been identified in this case.";
    QStringList children{ChildText(caption, 1, today)};
    for (int row = 2; row <= 6; ++row) {
        const QString child = ChildText(caption, row, today);
        if (!child.isEmpty()) children << child;
    }
    // Worksheet A's list keeps an empty place for an empty first row.
    if (wording == Wording::Plain) children.removeAll(QString());
    return "Together, they have " + QString::number(numChildren) +
           (numChildren == 1 ? " child who is involved in this calculation for child-support ("
                             : " children who are involved in this calculation for child-support (") +
           children.join(", ") + "). ";
}

QString Amount(const QString& shown, Wording wording) {
    return wording == Wording::Plain ? Dollars(shown) : "$" + shown;
}

QString OtherChildren(const PartyFigures& party) {
    return Format(party.otherChildren, "0") + " other " + (party.otherChildren > 1 ? "children" : "child");
}

// How the parent's income was adjusted; nothing when a figure of 1a or 1b is below zero.
QString IncomeAdjustments(const PartyFigures& party, const QString& preexistingAloneVerb, Wording wording) {
    const int preexisting = SignOf(party.preexisting);
    const int responsibility = SignOf(party.responsibility);
    const QString adjusted =
        ", resulting in an adjusted gross income of " + Amount(party.adjusted, wording) + " per month. ";
    if (preexisting == 0 && responsibility == 0) return "and has no income adjustments. ";
    if (preexisting > 0 && responsibility == 0)
        return "and " + preexistingAloneVerb + " a preexisting child support payment of $" + party.preexisting +
               adjusted;
    if (preexisting == 0 && responsibility > 0)
        return "and receives a credit for being responsible for " + OtherChildren(party) +
               " outside of this support action in the amount of $" + party.responsibility + adjusted;
    if (preexisting > 0 && responsibility > 0)
        return "and receives both a credit for a preexisting child support payment of $" + party.preexisting +
               " and a credit for being responsible for " + OtherChildren(party) +
               " outside of this support action in the amount of $" + party.responsibility + adjusted;
    return {};
}

QString IncomeSentence(const PartyFigures& party, const QString& preexistingAloneVerb, Wording wording) {
    if (SignOf(party.income) == 0) return "A monthly income amount has not yet been entered for the " + party.role + ".";
    return party.name + "'s monthly gross income is " + Amount(party.income, wording) + ", " +
           IncomeAdjustments(party, preexistingAloneVerb, wording);
}

QString CombinedIncome(const CaptionOf& caption, const PartyFigures& plaintiff, const PartyFigures& defendant) {
    const QString combined = caption("lblC2").trimmed();
    if (SignOf(combined) <= 0) return {};
    return "When added together, their combined monthly gross income is $" + combined + ". " + plaintiff.name +
           "'s share of this amount is " + plaintiff.share + "%, while " + defendant.name + "'s share is " +
           defendant.share + "%." + kParagraphBreak;
}

QString ExpenseComponent(const QString& shown) { return SignOf(shown) > 0 ? shown : "0.00"; }

}  // namespace

QString ShownFigure(const CaptionOf& caption, const QString& label) {
    const QString shown = caption(label).trimmed();
    return shown.isEmpty() ? "0.00" : shown;
}

ExpenseFigures ReadExpenseFigures(const CaptionOf& caption, QChar letter, const QString& totalLine) {
    const auto shown = [&](const QString& line) { return ShownFigure(caption, QString("lbl") + letter + line); };
    return {shown("Adja"), shown("Adjb"), shown("Adjc"), shown(totalLine)};
}

AdjustedOrderFigures ReadAdjustedOrderFigures(const CaptionOf& caption, QChar letter, int adjustmentsLine) {
    const auto shown = [&](int line) { return ShownFigure(caption, QString("lbl") + letter + QString::number(line)); };
    return {ReadExpenseFigures(caption, letter, QString::number(adjustmentsLine) + "d"), shown(adjustmentsLine + 1),
            shown(adjustmentsLine + 2), shown(adjustmentsLine + 3), shown(adjustmentsLine + 4)};
}

QString ExpenseSentence(const QString& name, const ExpenseFigures& expenses, const QString& afterExtraordinary) {
    if (SignOf(expenses.total) <= 0)
        return name + " is not claiming any expenses for work related child care, health insurance, or extraordinary "
                      "expenses. ";
    return name + " is claiming expenses in the amount of $" + ExpenseComponent(expenses.childCare) +
           " for Work Related Child Care, $" + ExpenseComponent(expenses.insurance) + " for Health Insurance, and $" +
           ExpenseComponent(expenses.extraordinary) + afterExtraordinary + "totaling $" + expenses.total + ". ";
}

QString Dollars(const QString& shown) {
    return shown.startsWith('-') ? "-$" + shown.mid(1) : "$" + shown;
}

QString TheChildren(int count) { return count == 1 ? "the child" : "the children"; }

int SignOf(const QString& shown) {
    const std::optional<double> amount = CCur(shown);
    const double value = amount ? *amount : Val(shown);
    return (value > 0) - (value < 0);
}

PartyFigures ReadPartyFigures(const CaptionOf& caption, QChar letter, const CalculationVariables& result) {
    const auto shown = [&](const QString& line) { return caption(QString("lbl") + letter + line).trimmed(); };
    PartyFigures party;
    party.role = letter == 'P' ? "Plaintiff" : "Defendant";
    party.name = caption(letter == 'P' ? "lblName1Name" : "lblName2Name").trimmed();
    party.named = !party.name.isEmpty();
    if (!party.named) party.name = party.role;
    party.income = shown("Inc");
    party.preexisting = shown("Pre");
    party.responsibility = shown("Resp");
    party.adjusted = shown("2");
    party.share = shown("3");
    party.otherChildren = letter == 'P' ? result.POC : result.DOC;
    return party;
}

QString PartiesChildrenAndIncomes(const CaptionOf& caption, const CalculationVariables& result, const QDate& today,
                                  Wording wording) {
    const PartyFigures plaintiff = ReadPartyFigures(caption, 'P', result);
    const PartyFigures defendant = ReadPartyFigures(caption, 'D', result);
    return PartiesSentence(plaintiff, defendant, wording) + kParagraphBreak +
           ChildrenSentence(caption, result.NumChildren, today, wording) + kParagraphBreak +
           IncomeSentence(plaintiff, "receives a credit for", wording) + kParagraphBreak +
           IncomeSentence(defendant, "pays", wording) + kParagraphBreak + CombinedIncome(caption, plaintiff, defendant);
}

QString OverrideSentence(const QString& line4) {
    return "The BASIC child support obligation (line 4) is not taken from the NC Schedule of Basic Support "
           "Obligations: it is the override amount of " + Dollars(line4) + " entered for this case. ";
}

QString ScheduleGapParagraph(const CalculationVariables& result, const QString& combinedIncome) {
    const QString opening =
        "The BASIC child support obligation is determined using the NC Schedule of Basic Support Obligations, but ";
    switch (result.Line4Coverage) {
    case ScheduleCoverage::NotCovered:
        return opening + "the schedule does not reach a combined adjusted gross income of $" + combinedIncome +
               ": it gives no BASIC child support obligation for this income, so no recommended child support order "
               "is computed here. An amount for the BASIC child support obligation can be entered with the override "
               "of the schedule amount.";
    case ScheduleCoverage::Unreadable:
        return opening + "the schedule cannot be read, so no BASIC child support obligation and no recommended "
                         "child support order are computed here. Please reinstall this program to restore the "
                         "schedule.";
    case ScheduleCoverage::Covered:
        break;
    }
    return {};
}

}  // namespace qvr
