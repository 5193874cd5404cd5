#include "worksheet_a/explanation_a.h"

#include "core/program_state.h"
#include "core/values.h"

#include <array>

namespace qvr {
namespace {

const QString kParagraphBreak = "\r\n\r\n";
const QString kNoExpenses =
    " is not claiming any expenses for work related child care, health insurance, or extraordinary expenses. ";

using CaptionOf = std::function<QString(const QString& label)>;

// Only the sign of a figure as shown counts; an empty caption is zero.
int SignOf(const QString& shown) {
    const std::optional<double> amount = CCur(shown);
    const double value = amount ? *amount : Val(shown);
    return (value > 0) - (value < 0);
}

// One parent's figures as the worksheet shows them, trimmed.
struct Party {
    QString role;  // "Plaintiff" or "Defendant"
    QString name;  // the party's name, or the role while none is entered
    bool named = false;
    QString income, preexisting, responsibility, adjusted;
    QString childCare, insurance, extraordinary, adjustments;
    QString share, obligation, order;
    double otherChildren = 0;
};

Party ReadParty(const CaptionOf& caption, QChar letter, const QString& role, double otherChildren) {
    const auto shown = [&](const QString& line) { return caption(QString("lbl") + letter + line).trimmed(); };
    Party party;
    party.role = role;
    party.name = caption(letter == 'P' ? "lblName1Name" : "lblName2Name").trimmed();
    party.named = !party.name.isEmpty();
    if (!party.named) party.name = role;
    party.income = shown("Inc");
    party.preexisting = shown("Pre");
    party.responsibility = shown("Resp");
    party.adjusted = shown("2");
    party.childCare = shown("Adja");
    party.insurance = shown("Adjb");
    party.extraordinary = shown("Adjc");
    party.adjustments = shown("5d");
    party.share = shown("3");
    party.obligation = shown("7");
    party.order = shown("9");
    party.otherChildren = otherChildren;
    return party;
}

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

QString Opening(const QDate& today) {
    QString text = "This is a Sole Custody Child Support Calculation (Worksheet A) performed on " + FormatDate(today);
    if (state.Obligor == "D")
        text += ", where the Plaintiff has custody of the children and the Defendant is the Obligor.";
    else if (state.Obligor == "P")
        text += ", where the Defendant has custody of the children and the Plaintiff is the Obligor.";
    return text;
}

QString PartiesSentence(const Party& plaintiff, const Party& defendant) {
    if (!plaintiff.named && !defendant.named)
        return "Neither the Plaintiff or the Defendant in this case has not yet been identified.";
    if (!plaintiff.named)
        return "The Defendant in this case is " + defendant.name + ", but the Plaintiff has not yet been identified.";
    if (!defendant.named)
        return "The Plaintiff in this case is " + plaintiff.name + ", but the Defendant has not yet been identified.";
    return "The Parties in this case are " + plaintiff.name + ", who is the Plaintiff, and " + defendant.name +
           ", who is the Defendant.";
}

QString ChildrenSentence(const std::array<QString, 6>& children) {
    if (state.NumChildren == 0) return "No children have been identified in this case.";
    QString text = "Together, they have " + QString::number(state.NumChildren) +
                   (state.NumChildren == 1 ? " child who is involved in this calculation for child-support ("
                                           : " children who are involved in this calculation for child-support (") +
                   children[0];
    for (size_t row = 1; row < children.size(); ++row)
        if (!children[row].isEmpty()) text += ", " + children[row];
    return text + "). ";
}

QString OtherChildren(const Party& party) {
    return Format(party.otherChildren, "0") + " other " + (party.otherChildren > 1 ? "children" : "child");
}

// How the parent's income was adjusted; nothing when a figure of 1a or 1b is below zero.
QString IncomeAdjustments(const Party& party, const QString& preexistingAloneVerb) {
    const int preexisting = SignOf(party.preexisting);
    const int responsibility = SignOf(party.responsibility);
    const QString adjusted = ", resulting in an adjusted gross income of $" + party.adjusted + " per month. ";
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

QString IncomeSentence(const Party& party, const QString& preexistingAloneVerb) {
    if (SignOf(party.income) == 0) return "A monthly income amount has not yet been entered for the " + party.role + ".";
    return party.name + "'s monthly gross income is $" + party.income + ", " +
           IncomeAdjustments(party, preexistingAloneVerb);
}

QString CombinedIncome(const CaptionOf& caption, const Party& plaintiff, const Party& defendant) {
    const QString combined = caption("lblC2").trimmed();
    if (SignOf(combined) <= 0) return {};
    return "When added together, their combined monthly gross income is $" + combined + ". " + plaintiff.name +
           "'s share of this amount is " + plaintiff.share + "%, while " + defendant.name + "'s share is " +
           defendant.share + "%." + kParagraphBreak;
}

QString MinimumOrderEnding(const Party& obligor) {
    const QString reserve =
        "The guidelines include a self-support reserve that ensures that obligors have sufficient income "
        "to maintain a minimum standard of living based on the 2018 federal poverty level for one person ($1,012.00 per month). "
        "For obligors with an adjusted gross income of less than $1,108.00, the Guidelines require, absent a deviation, the "
        "establishment of a minimum support order ($50). For obligors with adjusted gross incomes above $1,108.00, the Schedule "
        "of Basic Support Obligations incorporates a further adjustment to maintain the self-support reserve for the obligor.";
    return "Since the " + obligor.role + "'s adjusted monthly income (line 2) is below $1,108, the self-support "
           "reserve must be taken into consideration." + reserve + kParagraphBreak +
           "Based on the values shown above, the recommended child support order (line 9) for " + obligor.name +
           " is $" + obligor.order + " per month.";
}

QString ShadedAreaEnding(const Party& obligor) {
    const QString guidelines =
        "According to the Guidelines, if the obligor\u2019s adjusted gross income falls within the shaded "
        "area of the Schedule and Worksheet A is used, the basic child support obligation and the obligor\u2019s total child support "
        "obligation are computed using only the obligor\u2019s income. In these cases, childcare and health insurance premiums should "
        "not be used to calculate the child support obligation. However, payment of these costs or other extraordinary expenses by "
        "either parent may be a basis for deviation. This approach prevents disproportionate increases in the child support "
        "obligation with moderate increases in income and protects the integrity of the self-support reserve. In all other cases, "
        "the basic child support obligation is computed using the combinedadjusted gross incomes of both parents.";
    // This variant of the worksheet's wording has no dollar sign for the defendant.
    const QString line9 = obligor.role == "Defendant" ? obligor.order : "$" + obligor.order;
    return guidelines + kParagraphBreak + "Since the " + obligor.role +
           " is the Obligor, and his/her income falls into the Shaded Area of the chart, "
           "then the Recommended Child Support (Line 9) is " + line9 + " per month.";
}

QString ExpenseComponent(const QString& shown) { return SignOf(shown) > 0 ? shown : "0.00"; }

// The three expenses and their total; `afterExtraordinary` ends the piece after the third.
QString ClaimedExpenses(const Party& party, const QString& afterExtraordinary) {
    return " is claiming expenses in the amount of $" + ExpenseComponent(party.childCare) +
           " for Work Related Child Care, $" + ExpenseComponent(party.insurance) + " for Health Insurance, and $" +
           ExpenseComponent(party.extraordinary) + afterExtraordinary + "totaling $" + party.adjustments;
}

QString ExpenseSentence(const Party& party, const QString& afterExtraordinary) {
    if (SignOf(party.adjustments) <= 0) return party.name + kNoExpenses;
    return party.name + ClaimedExpenses(party, afterExtraordinary) + ". ";
}

QString BasicObligation(const CaptionOf& caption) {
    return "The BASIC child support obligation is determined using the NC Schedule of Basic Support "
           "Obligations. For combined monthly adjusted gross income amounts falling between amounts shown in the schedule, the BASIC child "
           "support obligation should be interpolated. Based on the combined adjusted gross income amount of $" +
           caption("lblC2").trimmed() + ", the BASIC child support obligation amount is $" + caption("lblC4").trimmed() +
           "." + kParagraphBreak;
}

QString Expenses(const Party& plaintiff, const Party& defendant) {
    return "Included in this calculation for child support are expenses paid directly by each parent. " +
           ExpenseSentence(plaintiff, " for extraordinary expenses, ") +
           ExpenseSentence(defendant, " for extraordinary expenses. ") + kParagraphBreak;
}

QString SharesAndTotal(const CaptionOf& caption, const Party& plaintiff, const Party& defendant) {
    const QString total = caption("lblC6").trimmed();
    QString text = "Each parents share of the TOTAL child support obligation is based on their contribution to the "
                   "combined adjusted monthly income. As previously mentioned, " +
                   plaintiff.name + "'s income represents " + plaintiff.share +
                   "% of the combined adjusted monthly income, while " + defendant.name +
                   "'s income represents the remaining " + defendant.share +
                   "%. After applying these percentages to the TOTAL child support obligation of $" + total + ", " +
                   plaintiff.name + " is reponsible for $" + plaintiff.obligation + " per month, and " +
                   defendant.name + " is responsibile for $" + defendant.obligation + " per month.";
    if (SignOf(plaintiff.adjustments) > 0 || SignOf(defendant.adjustments) > 0)
        text += "The combined expenses for both parties is $" + caption("lblC5d").trimmed() +
                ". This amount is added to the BASIC child support obligation of $" + caption("lblC4").trimmed() +
                ", resulting in the TOTAL child support obligation amount of $" + total + ". ";
    else
        text += "Since neither parent claimed any additional expenses, the TOTAL child support obligation will be $" +
                total + ". ";
    return text + kParagraphBreak;
}

QString CreditAndOrder(const Party& obligor, const Party& custodian) {
    QString text = "Based on the " + custodian.role + " being the custodial parent, the " + obligor.role +
                   " is entitled to receive credit for the expense adjustments paid out of pocket on behalf of the "
                   "children. As previously mentioned, " +
                   obligor.name;
    if (SignOf(obligor.adjustments) > 0)
        return text + ClaimedExpenses(obligor, " for extraordinary expenses, ") + ". This credit amount reduces the " +
               obligor.role + "'s child support obligation, resulting in a recommended child support order for " +
               obligor.name + " in the amount of $" + obligor.order + " per month.";
    return text + kNoExpenses + "Therefore, the recommended child support order for " + obligor.name + " is $" +
           obligor.order + " per month.";
}

QString FullCalculationEnding(const CaptionOf& caption, const Party& plaintiff, const Party& defendant) {
    const bool plaintiffPays = state.Obligor == "P";
    return BasicObligation(caption) + Expenses(plaintiff, defendant) + SharesAndTotal(caption, plaintiff, defendant) +
           CreditAndOrder(plaintiffPays ? plaintiff : defendant, plaintiffPays ? defendant : plaintiff);
}

}  // namespace

QString ExplanationTextA(const CaptionOf& caption, const QDate& today) {
    const Party plaintiff = ReadParty(caption, 'P', "Plaintiff", state.POC);
    const Party defendant = ReadParty(caption, 'D', "Defendant", state.DOC);
    const Party& obligor = state.Obligor == "P" ? plaintiff : defendant;
    std::array<QString, 6> children;
    for (int row = 1; row <= 6; ++row) children[size_t(row - 1)] = ChildText(caption, row, today);

    QString text = Opening(today) + kParagraphBreak;
    text += PartiesSentence(plaintiff, defendant) + kParagraphBreak;
    text += ChildrenSentence(children) + kParagraphBreak;
    text += IncomeSentence(plaintiff, "receives a credit for") + kParagraphBreak;
    text += IncomeSentence(defendant, "pays") + kParagraphBreak;
    text += CombinedIncome(caption, plaintiff, defendant);
    if (state.MinimumOrder == "Y") return text + MinimumOrderEnding(obligor);
    if (state.ShadedAreaFlag == "Y") return text + ShadedAreaEnding(obligor);
    return text + FullCalculationEnding(caption, plaintiff, defendant);
}

}  // namespace qvr
