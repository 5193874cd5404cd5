#include "worksheet_b/explanation_b.h"

#include "core/values.h"
#include "worksheet/captions.h"

namespace qvr {
namespace {

// One parent's figures as the worksheet shows them: lines 1 to 3, 10a to 14 and its own lines 6 to 9.
struct Party : PartyFigures, AdjustedOrderFigures {
    QString portion, nights, nightsShare, timeWithOther;
};

Party ReadParty(const CaptionOf& caption, QChar letter, const CalculationVariables& result) {
    const auto shown = [&](const char* line) { return ShownFigure(caption, QString("lbl") + letter + line); };
    return {ReadPartyFigures(caption, letter, result), ReadAdjustedOrderFigures(caption, letter, 10), shown("6"),
            shown("7"), shown("8"), shown("9")};
}

QString ChildName(const CaptionOf& caption, int row) {
    const QString name = caption(QString("lblChild%1Name").arg(row)).trimmed();
    return name.isEmpty() ? QString("Child %1").arg(row) : name;
}

QString BasicObligation(const CaptionOf& caption, const CalculationVariables& result) {
    const QString line4 = ShownFigure(caption, "lblC4");
    const QString source =
        result.OverrideFlag == "Y"
            ? "The BASIC child support obligation (line 4) is not taken from the NC Schedule of Basic Support "
              "Obligations: it is the override amount of $" + line4 + " entered for this case. "
            : "The BASIC child support obligation is determined using the NC Schedule of Basic Support Obligations. "
              "Based on the combined adjusted gross income amount of $" + ShownFigure(caption, "lblC2") + " and " +
                  QString::number(result.NumChildren) + (result.NumChildren == 1 ? " child" : " children") +
                  ", the BASIC child support obligation amount (line 4) is $" + line4 + ". ";
    return source +
           "When the children live with each parent for part of the year, both households bear costs for them, so "
           "the BASIC obligation is multiplied by 1.5, giving a shared custody basic obligation (line 5) of $" +
           ShownFigure(caption, "lblC5") + "." + kParagraphBreak;
}

QString Portions(const Party& plaintiff, const Party& defendant) {
    return "Each parent's portion of the shared custody basic obligation follows their share of the combined "
           "income: " + plaintiff.name + "'s " + plaintiff.share + "% is $" + plaintiff.portion + ", and " +
           defendant.name + "'s " + defendant.share + "% is $" + defendant.portion + " (line 6)." + kParagraphBreak;
}

QString ChildNightsList(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                        const Party& defendant) {
    QStringList children;
    for (int row = 1; row <= 6; ++row) {
        const std::optional<double> nights = result.ChildNightsWithPlaintiff[size_t(row - 1)];
        if (!nights) continue;
        children << ChildName(caption, row) + " spends " + WholeCaption(*nights) + " with " + plaintiff.name + " and " +
                        WholeCaption(kNightsInYear - *nights) + " with " + defendant.name;
    }
    return children.join("; ");
}

QString Overnights(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                   const Party& defendant) {
    if (result.NumChildren == 0)
        return "Since no children have been identified, no overnights are counted with either parent." +
               kParagraphBreak;
    return "Of the 365 overnights in a year, " + ChildNightsList(caption, result, plaintiff, defendant) +
           ". Together that is " + plaintiff.nights + " overnights with " + plaintiff.name + " and " +
           defendant.nights + " with " + defendant.name + " out of " + ShownFigure(caption, "lblTotalOvernights") +
           ", so the children are with " + plaintiff.name + " " + plaintiff.nightsShare + "% of the time and with " +
           defendant.name + " " + defendant.nightsShare + "% of the time (line 8)." + kParagraphBreak;
}

QString TimeWithOtherParent(const Party& plaintiff, const Party& defendant) {
    return "Each parent owes support for the time the children spend with the other parent: " + plaintiff.name +
           "'s portion of $" + plaintiff.portion + " for " + defendant.name + "'s " + defendant.nightsShare +
           "% of the overnights is $" + plaintiff.timeWithOther + ", and " + defendant.name + "'s portion of $" +
           defendant.portion + " for " + plaintiff.name + "'s " + plaintiff.nightsShare + "% is $" +
           defendant.timeWithOther + " (line 9)." + kParagraphBreak;
}

QString Adjustments(const CaptionOf& caption, const Party& plaintiff, const Party& defendant) {
    const QString combined = ShownFigure(caption, "lblC10d");
    if (SignOf(combined) <= 0)
        return "Neither parent is claiming any expenses for work related child care, health insurance, or "
               "extraordinary expenses, so no adjustments are made." + kParagraphBreak;
    return "Included in this calculation are expenses paid directly by each parent. " +
           ExpenseSentence(plaintiff.name, plaintiff.expenses) + ExpenseSentence(defendant.name, defendant.expenses) +
           "Each parent's fair share of the combined expenses of $" + combined +
           " follows their share of the combined income: $" + plaintiff.fairShare + " for " + plaintiff.name +
           " and $" + defendant.fairShare + " for " + defendant.name + " (line 11). What a parent pays beyond its "
           "fair share is credited to it: $" + plaintiff.excess + " for " + plaintiff.name + " and $" +
           defendant.excess + " for " + defendant.name + " (line 12)." + kParagraphBreak;
}

QString Order(const CalculationVariables& result, const Party& plaintiff, const Party& defendant) {
    const QString adjusted = "After these credits, " + plaintiff.name + "'s adjusted support obligation is $" +
                             plaintiff.obligation + " and " + defendant.name + "'s is $" + defendant.obligation +
                             " (line 13). ";
    if (result.Obligor != "P" && result.Obligor != "D")
        return adjusted + "Since the two amounts are equal, they cancel out: no child support order is recommended "
                          "and neither parent pays the other.";
    const bool plaintiffPays = result.Obligor == "P";
    const Party& payer = plaintiffPays ? plaintiff : defendant;
    const Party& payee = plaintiffPays ? defendant : plaintiff;
    return adjusted + "The lesser amount is subtracted from the greater, so the recommended child support order "
                      "(line 14) is for " + payer.name + " to pay " + payee.name + " $" + payer.order +
           " per month.";
}

// Why there is no order when stored overnights are not whole nights of one year; empty when all are.
QString NightsOutsideTheYear(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff) {
    QStringList children;
    for (int row = 1; row <= 6; ++row) {
        const std::optional<double> nights = result.ChildNightsWithPlaintiff[size_t(row - 1)];
        if (nights && !IsNightsOfAYear(*nights))
            children << ChildName(caption, row) + " (" + TrimBlanks(Str(*nights)) + ")";
    }
    if (children.isEmpty()) return {};
    const QString last = children.takeLast();
    return "Each child's overnights with " + plaintiff.name +
           " must be a whole number from 0 to 365, but those stored for " +
           (children.isEmpty() ? last : children.join(", ") + " and " + last) +
           " are not, so no recommended child support order (line 14) is computed here. Please enter them again "
           "in the Number of Overnights window, which opens when you click the children on the worksheet.";
}

// Without a line 4 from the schedule there is nothing further to tell but why.
QString FromTheBasicObligation(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                               const Party& defendant) {
    if (result.Line4Coverage != ScheduleCoverage::Covered)
        return ScheduleGapParagraph(result, ShownFigure(caption, "lblC2"));
    const QString noOrder = NightsOutsideTheYear(caption, result, plaintiff);
    return BasicObligation(caption, result) + Portions(plaintiff, defendant) +
           Overnights(caption, result, plaintiff, defendant) + TimeWithOtherParent(plaintiff, defendant) +
           Adjustments(caption, plaintiff, defendant) +
           (noOrder.isEmpty() ? Order(result, plaintiff, defendant) : noOrder);
}

}  // namespace

QString ExplanationTextB(const CaptionOf& caption, const CalculationVariables& result, const QDate& today) {
    const Party plaintiff = ReadParty(caption, 'P', result);
    const Party defendant = ReadParty(caption, 'D', result);
    return "This is a Shared Custody Child Support Calculation (Worksheet B) performed on " + FormatDate(today) +
           ", where the children spend part of the year with each parent." + kParagraphBreak +
           PartiesChildrenAndIncomes(caption, result, today) + FromTheBasicObligation(caption, result, plaintiff, defendant);
}

}  // namespace qvr
