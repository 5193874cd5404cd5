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

// "the child spends" for one child, "the children spend" for more.
QString TheChildrenDo(const CalculationVariables& result, const char* verbForOne, const char* verbForMore) {
    return TheChildren(result.NumChildren) + " " + (result.NumChildren == 1 ? verbForOne : verbForMore);
}

QString BasicObligation(const CaptionOf& caption, const CalculationVariables& result) {
    const QString line4 = ShownFigure(caption, "lblC4");
    const QString source =
        result.OverrideFlag == "Y"
            ? OverrideSentence(line4)
            : "The BASIC child support obligation is determined using the NC Schedule of Basic Support Obligations. "
              "Based on the combined adjusted gross income amount of " + Dollars(ShownFigure(caption, "lblC2")) +
                  " and " + QString::number(result.NumChildren) + (result.NumChildren == 1 ? " child" : " children") +
                  ", the BASIC child support obligation amount (line 4) is " + Dollars(line4) + ". ";
    return source + "When " + TheChildrenDo(result, "lives", "live") +
           " with each parent for part of the year, both households bear costs for " +
           (result.NumChildren == 1 ? "the child" : "them") +
           ", so the BASIC obligation is multiplied by 1.5, giving a shared custody basic obligation (line 5) of " +
           Dollars(ShownFigure(caption, "lblC5")) + "." + kParagraphBreak;
}

QString Portions(const Party& plaintiff, const Party& defendant) {
    return "Each parent's portion of the shared custody basic obligation follows their share of the combined "
           "income: " + plaintiff.name + "'s " + plaintiff.share + "% is " + Dollars(plaintiff.portion) + ", and " +
           defendant.name + "'s " + defendant.share + "% is " + Dollars(defendant.portion) + " (line 6)." +
           kParagraphBreak;
}

QString ChildNightsList(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                        const Party& defendant) {
    QStringList children;
    for (int row = 1; row <= 6; ++row) {
        const std::optional<double> nights = result.ChildNightsWithPlaintiff[size_t(row - 1)];
        if (!nights) continue;
        children << ChildName(caption, row) + " spends " + WholeCaption(*nights) +
                        (*nights == 1 ? " overnight with " : " overnights with ") + plaintiff.name + " and " +
                        WholeCaption(kNightsInYear - *nights) + " with " + defendant.name;
    }
    return children.join("; ");
}

QString NightsOfEachChild(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                          const Party& defendant) {
    if (result.NumChildren == 0)
        return "Since no children have been identified, no overnights are counted with either parent. ";
    return "Of the 365 overnights in a year, " + ChildNightsList(caption, result, plaintiff, defendant) + ". ";
}

QString Overnights(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                   const Party& defendant) {
    return NightsOfEachChild(caption, result, plaintiff, defendant) + "Together that is " + plaintiff.nights +
           " overnights with " + plaintiff.name + " and " + defendant.nights + " with " + defendant.name + " out of " +
           ShownFigure(caption, "lblTotalOvernights") + ", so " + TheChildrenDo(result, "is", "are") + " with " +
           plaintiff.name + " " + plaintiff.nightsShare + "% of the time and with " + defendant.name + " " +
           defendant.nightsShare + "% of the time (line 8)." + kParagraphBreak;
}

QString TimeWithOtherParent(const CalculationVariables& result, const Party& plaintiff, const Party& defendant) {
    return "Each parent owes support for the time " + TheChildrenDo(result, "spends", "spend") +
           " with the other parent: " + plaintiff.name + "'s portion of " + Dollars(plaintiff.portion) + " for " +
           defendant.name + "'s " + defendant.nightsShare + "% of the overnights is " +
           Dollars(plaintiff.timeWithOther) + ", and " + defendant.name + "'s portion of " +
           Dollars(defendant.portion) + " for " + plaintiff.name + "'s " + plaintiff.nightsShare + "% is " +
           Dollars(defendant.timeWithOther) + " (line 9)." + kParagraphBreak;
}

QString Adjustments(const CaptionOf& caption, const Party& plaintiff, const Party& defendant) {
    const QString combined = ShownFigure(caption, "lblC10d");
    if (SignOf(combined) <= 0)
        return "Neither parent is claiming any expenses for work related child care, health insurance, or "
               "extraordinary expenses, so no adjustments are made." + kParagraphBreak;
    return "Included in this calculation are expenses paid directly by each parent. " +
           ExpenseSentence(plaintiff.name, plaintiff.expenses) + ExpenseSentence(defendant.name, defendant.expenses) +
           "Each parent's fair share of the combined expenses of " + Dollars(combined) +
           " follows their share of the combined income: " + Dollars(plaintiff.fairShare) + " for " + plaintiff.name +
           " and " + Dollars(defendant.fairShare) + " for " + defendant.name + " (line 11). What a parent pays "
           "beyond his or her fair share is credited to that parent: " + Dollars(plaintiff.excess) + " for " +
           plaintiff.name + " and " + Dollars(defendant.excess) + " for " + defendant.name + " (line 12)." +
           kParagraphBreak;
}

QString Order(const CalculationVariables& result, const Party& plaintiff, const Party& defendant) {
    const QString adjusted = "After these credits, " + plaintiff.name + "'s adjusted support obligation is " +
                             Dollars(plaintiff.obligation) + " and " + defendant.name + "'s is " +
                             Dollars(defendant.obligation) + " (line 13). ";
    if (result.Obligor != "P" && result.Obligor != "D")
        return adjusted + "Since the two amounts are equal, they cancel out: no child support order is recommended "
                          "and neither parent pays the other.";
    const bool plaintiffPays = result.Obligor == "P";
    const Party& payer = plaintiffPays ? plaintiff : defendant;
    const Party& payee = plaintiffPays ? defendant : plaintiff;
    return adjusted + "The lesser amount is subtracted from the greater, so the recommended child support order "
                      "(line 14) is for " + payer.name + " to pay " + payee.name + " " + Dollars(payer.order) +
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

QString FromTheBasicObligation(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                               const Party& defendant) {
    return BasicObligation(caption, result) + Portions(plaintiff, defendant) +
           Overnights(caption, result, plaintiff, defendant) + TimeWithOtherParent(result, plaintiff, defendant) +
           Adjustments(caption, plaintiff, defendant) + Order(result, plaintiff, defendant);
}

// Without a child who spends enough overnights with each parent the worksheet does not apply,
// whatever its lines show.
QString NotSharedCustody(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                         const Party& defendant) {
    return NightsOfEachChild(caption, result, plaintiff, defendant) +
           "A shared custody calculation needs at least one child who spends at least " +
           WholeCaption(kSharedCustodyNights) + " overnights a year with each parent. Since no child does, Worksheet B "
           "does not apply to this case and its lines give no recommended child support order; the sole custody "
           "worksheet (Worksheet A) or the split custody worksheet (Worksheet C) may fit it instead.";
}

// Without a line 4 from the schedule, or with overnights that are no nights of one year, there is
// nothing further to tell but why; the schedule's reason comes first, as on the worksheet.
QString AfterTheIncomes(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                        const Party& defendant, const QString& nightsOutsideTheYear) {
    if (result.Line4Coverage != ScheduleCoverage::Covered)
        return ScheduleGapParagraph(result, ShownFigure(caption, "lblC2"));
    if (!nightsOutsideTheYear.isEmpty()) return nightsOutsideTheYear;
    return AnyChildShared(result) ? FromTheBasicObligation(caption, result, plaintiff, defendant)
                                  : NotSharedCustody(caption, result, plaintiff, defendant);
}

}  // namespace

QString ExplanationTextB(const CaptionOf& caption, const CalculationVariables& result, const QDate& today) {
    const Party plaintiff = ReadParty(caption, 'P', result);
    const Party defendant = ReadParty(caption, 'D', result);
    const QString nightsOutsideTheYear = NightsOutsideTheYear(caption, result, plaintiff);
    const bool shared = AnyChildShared(result) && nightsOutsideTheYear.isEmpty();
    const QString where = ", where " + TheChildrenDo(result, "spends", "spend") + " part of the year with each parent";
    return "This is a Shared Custody Child Support Calculation (Worksheet B) performed on " + FormatDate(today) +
           (shared ? where : "") + "." + kParagraphBreak +
           PartiesChildrenAndIncomes(caption, result, today, Wording::Plain) +
           AfterTheIncomes(caption, result, plaintiff, defendant, nightsOutsideTheYear);
}

}  // namespace qvr
