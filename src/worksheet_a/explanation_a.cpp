#include "worksheet_a/explanation_a.h"

#include "core/values.h"

namespace qvr {
namespace {

// One parent's figures as the worksheet shows them, trimmed: lines 1 to 3 and its own lines.
struct Party : PartyFigures {
    ExpenseFigures expenses;
    QString obligation, order;
};

Party ReadParty(const CaptionOf& caption, QChar letter, const CalculationVariables& result) {
    const auto shown = [&](const QString& line) { return caption(QString("lbl") + letter + line).trimmed(); };
    Party party;
    static_cast<PartyFigures&>(party) = ReadPartyFigures(caption, letter, result);
    party.expenses = ReadExpenseFigures(caption, letter, "5d");
    party.obligation = shown("7");
    party.order = shown("9");
    return party;
}

QString Opening(const CalculationVariables& result, const QDate& today) {
    QString text = "This is a Sole Custody Child Support Calculation (Worksheet A) performed on " + FormatDate(today);
    if (result.Obligor == "D")
        text += ", where the Plaintiff has custody of the children and the Defendant is the Obligor.";
    else if (result.Obligor == "P")
        text += ", where the Defendant has custody of the children and the Plaintiff is the Obligor.";
    return text;
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

QString BasicObligation(const CaptionOf& caption) {
    return "The BASIC child support obligation is determined using the NC Schedule of Basic Support "
           "Obligations. For combined monthly adjusted gross income amounts falling between amounts shown in the schedule, the BASIC child "
           "support obligation should be interpolated. Based on the combined adjusted gross income amount of $" +
           caption("lblC2").trimmed() + ", the BASIC child support obligation amount is $" + caption("lblC4").trimmed() +
           "." + kParagraphBreak;
}

QString Expenses(const Party& plaintiff, const Party& defendant) {
    return "Included in this calculation for child support are expenses paid directly by each parent. " +
           ExpenseSentence(plaintiff.name, plaintiff.expenses) +
           ExpenseSentence(defendant.name, defendant.expenses, " for extraordinary expenses. ") + kParagraphBreak;
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
    if (SignOf(plaintiff.expenses.total) > 0 || SignOf(defendant.expenses.total) > 0)
        text += "The combined expenses for both parties is $" + caption("lblC5d").trimmed() +
                ". This amount is added to the BASIC child support obligation of $" + caption("lblC4").trimmed() +
                ", resulting in the TOTAL child support obligation amount of $" + total + ". ";
    else
        text += "Since neither parent claimed any additional expenses, the TOTAL child support obligation will be $" +
                total + ". ";
    return text + kParagraphBreak;
}

QString CreditAndOrder(const Party& obligor, const Party& custodian) {
    const QString text = "Based on the " + custodian.role + " being the custodial parent, the " + obligor.role +
                         " is entitled to receive credit for the expense adjustments paid out of pocket on behalf of "
                         "the children. As previously mentioned, " +
                         ExpenseSentence(obligor.name, obligor.expenses);
    if (SignOf(obligor.expenses.total) > 0)
        return text + "This credit amount reduces the " + obligor.role +
               "'s child support obligation, resulting in a recommended child support order for " + obligor.name +
               " in the amount of $" + obligor.order + " per month.";
    return text + "Therefore, the recommended child support order for " + obligor.name + " is $" + obligor.order +
           " per month.";
}

QString FullCalculationEnding(const CaptionOf& caption, const Party& plaintiff, const Party& defendant,
                              bool plaintiffPays) {
    return BasicObligation(caption) + Expenses(plaintiff, defendant) + SharesAndTotal(caption, plaintiff, defendant) +
           CreditAndOrder(plaintiffPays ? plaintiff : defendant, plaintiffPays ? defendant : plaintiff);
}

}  // namespace

QString ExplanationTextA(const CaptionOf& caption, const CalculationVariables& result, const QDate& today) {
    const Party plaintiff = ReadParty(caption, 'P', result);
    const Party defendant = ReadParty(caption, 'D', result);
    const bool plaintiffPays = result.Obligor == "P";
    const Party& obligor = plaintiffPays ? plaintiff : defendant;

    const QString text = Opening(result, today) + kParagraphBreak + PartiesChildrenAndIncomes(caption, result, today);
    if (result.MinimumOrder == "Y") return text + MinimumOrderEnding(obligor);
    if (result.Line4Coverage != ScheduleCoverage::Covered)
        return text + ScheduleGapParagraph(result, caption("lblC2").trimmed());
    if (result.ShadedAreaFlag == "Y") return text + ShadedAreaEnding(obligor);
    return text + FullCalculationEnding(caption, plaintiff, defendant, plaintiffPays);
}

}  // namespace qvr
