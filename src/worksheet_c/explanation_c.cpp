#include "worksheet_c/explanation_c.h"

#include "core/values.h"

#include <QStringList>

namespace qvr {
namespace {

// One parent's figures as the worksheet shows them: lines 1 to 3, 7a to 11 and worksheet C's own.
struct Party : PartyFigures, AdjustedOrderFigures {
    QChar letter;
    QString children, childShare, portion, support;  // lines 5a, 5b, 5c, and 6a or 6b
    QStringList childNames;
};

// The names of the children living with a parent, as the children table shows them.
QStringList ChildrenWith(const CaptionOf& caption, const CalculationVariables& result, QChar letter) {
    QStringList names;
    for (int row = 1; row <= 6; ++row) {
        if (result.ChildHousehold[size_t(row - 1)] != letter) continue;
        names << caption(QString("lblChild%1Name").arg(row)).trimmed();
    }
    return names;
}

Party ReadParty(const CaptionOf& caption, QChar letter, const CalculationVariables& result) {
    const auto shown = [&](const char* line) { return ShownFigure(caption, QString("lbl") + letter + line); };
    return {ReadPartyFigures(caption, letter, result), ReadAdjustedOrderFigures(caption, letter, 7), letter,
            shown("5a"), shown("5b"), shown("5c"), shown(letter == 'P' ? "6a" : "6b"),
            ChildrenWith(caption, result, letter)};
}

QString LivingWith(const Party& party) {
    return TheChildren(int(party.childNames.size())) + " living with " + party.name;
}

QString Household(const CalculationVariables& result, const Party& party) {
    const QStringList& children = party.childNames;
    if (children.isEmpty())
        return party.name + (result.NumChildren == 1 ? " does not have custody of the child. "
                                                     : " has custody of none of the children. ");
    return party.name + " has custody of " + QString::number(children.size()) +
           (children.size() == 1 ? " child (" : " children (") + children.join(", ") + "). ";
}

QString Households(const CalculationVariables& result, const Party& plaintiff, const Party& defendant) {
    const QString needsBoth = "A split custody calculation needs at least one child living with each parent";
    if (result.NumChildren == 0) return needsBoth + "." + kParagraphBreak;
    const QString text = Household(result, plaintiff) + Household(result, defendant);
    if (SignOf(plaintiff.children) > 0 && SignOf(defendant.children) > 0)
        return text + "Each household's share of the children is the number of children living in it divided by " +
               "the total number of children: " + plaintiff.childShare + "% live with " + plaintiff.name +
               " and " + defendant.childShare + "% with " + defendant.name + "." + kParagraphBreak;
    return text + needsBoth + "; while " +
           (result.NumChildren == 1 ? "the child lives" : "all of the children live") +
           " in one household, the sole custody worksheet (Worksheet A) fits this case." + kParagraphBreak;
}

QString BasicObligation(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                        const Party& defendant) {
    const QString line4 = ShownFigure(caption, "lblC4");
    const QString source =
        result.OverrideFlag == "Y"
            ? OverrideSentence(line4)
            : "The BASIC child support obligation for " +
                  QString(result.NumChildren == 1 ? "the child" : "all of the children together") +
                  " is determined using the NC Schedule of Basic Support Obligations. Based on the combined adjusted "
                  "gross income amount of " + Dollars(ShownFigure(caption, "lblC2")) +
                  ", the BASIC child support obligation amount is " + Dollars(line4) + ". ";
    return source + "It is divided between the two households by their shares of the children: " +
           Dollars(plaintiff.portion) + " for " + LivingWith(plaintiff) + " and " + Dollars(defendant.portion) +
           " for " + LivingWith(defendant) + "." + kParagraphBreak;
}

QString SupportOfOne(const Party& payer, const Party& receiver) {
    return payer.name + "'s share of " + payer.share + "% of the " + Dollars(receiver.portion) + " for " +
           LivingWith(receiver) + " is " + Dollars(payer.support) + ". ";
}

QString SupportForTheOtherHousehold(const Party& plaintiff, const Party& defendant) {
    return "Each parent owes support for the children living with the other parent, in proportion to his or her "
           "share of the combined income. " +
           SupportOfOne(plaintiff, defendant) + SupportOfOne(defendant, plaintiff) + kParagraphBreak;
}

QString AdjustedObligations(const Party& plaintiff, const Party& defendant) {
    QString text = "This leaves " + plaintiff.name + " with an adjusted support obligation (line 10) of " +
                   Dollars(plaintiff.obligation) + " and " + defendant.name + " with one of " +
                   Dollars(defendant.obligation) + ".";
    if (SignOf(plaintiff.obligation) < 0 || SignOf(defendant.obligation) < 0)
        text += " An adjusted support obligation below zero means that the parent paid more in expenses beyond his "
                "or her fair share than he or she owes for the other household, and the difference adds to the "
                "other parent's order.";
    return text;
}

QString Adjustments(const CaptionOf& caption, const Party& plaintiff, const Party& defendant) {
    QString text = "Included in this calculation for child support are expenses paid directly by each parent. " +
                   ExpenseSentence(plaintiff.name, plaintiff.expenses) +
                   ExpenseSentence(defendant.name, defendant.expenses) + kParagraphBreak;
    const QString combined = ShownFigure(caption, "lblC7d");
    if (SignOf(combined) > 0)
        text += "The combined expenses of " + Dollars(combined) + " are shared in proportion to income: " +
                plaintiff.name + "'s fair share is " + Dollars(plaintiff.fairShare) + " and " + defendant.name +
                "'s fair share is " + Dollars(defendant.fairShare) +
                ". What a parent paid beyond his or her fair share is credited against his or her support "
                "obligation: " + Dollars(plaintiff.excess) + " for " + plaintiff.name + " and " +
                Dollars(defendant.excess) + " for " + defendant.name + ". ";
    else
        text += "Since neither parent claimed any expenses, nothing is credited against either support "
                "obligation. ";
    return text + AdjustedObligations(plaintiff, defendant) + kParagraphBreak;
}

QString Order(const CalculationVariables& result, const Party& plaintiff, const Party& defendant) {
    if (result.Obligor != "P" && result.Obligor != "D")
        return "Since both adjusted support obligations are equal, neither parent pays the other: there is no "
               "recommended child support order (line 11).";
    const bool plaintiffPays = result.Obligor == "P";
    const Party& payer = plaintiffPays ? plaintiff : defendant;
    const Party& receiver = plaintiffPays ? defendant : plaintiff;
    return "Subtracting the smaller adjusted support obligation from the larger, the recommended child support "
           "order (line 11) is that " + payer.name + " pays " + receiver.name + " " + Dollars(payer.order) +
           " per month.";
}

// Without a line 4 from the schedule there is nothing further to tell but why.
QString FromTheBasicObligation(const CaptionOf& caption, const CalculationVariables& result, const Party& plaintiff,
                               const Party& defendant) {
    if (result.Line4Coverage != ScheduleCoverage::Covered)
        return ScheduleGapParagraph(result, ShownFigure(caption, "lblC2"));
    return BasicObligation(caption, result, plaintiff, defendant) + SupportForTheOtherHousehold(plaintiff, defendant) +
           Adjustments(caption, plaintiff, defendant) + Order(result, plaintiff, defendant);
}

}  // namespace

QString ExplanationTextC(const CaptionOf& caption, const CalculationVariables& result, const QDate& today) {
    const Party plaintiff = ReadParty(caption, 'P', result);
    const Party defendant = ReadParty(caption, 'D', result);
    return "This is a Split Custody Child Support Calculation (Worksheet C) performed on " + FormatDate(today) + "." +
           kParagraphBreak + PartiesChildrenAndIncomes(caption, result, today, Wording::Plain) +
           Households(result, plaintiff, defendant) + FromTheBasicObligation(caption, result, plaintiff, defendant);
}

}  // namespace qvr
