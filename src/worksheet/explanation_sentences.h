#pragma once
// The sentences that every worksheet's explanation tells alike: the parties, the children with
// their ages, each parent's income and the combined income. Figures are the captions as the
// worksheet shows them (caption(objectName), e.g. caption("lblPInc")); what the calculation
// decided comes from its result.

#include "core/calculation_variables.h"

#include <QDate>
#include <QString>
#include <functional>

namespace qvr {

using CaptionOf = std::function<QString(const QString& label)>;

// Paragraphs are separated by two CR LF pairs.
extern const QString kParagraphBreak;

// Only the sign of a figure as shown counts; an empty caption is zero.
int SignOf(const QString& shown);

// Worksheet A tells its sentences word for word as its users have always read them, slips
// included; shared and split custody word theirs plainly.
enum class Wording { Kept, Plain };

// An amount as shown with its dollar sign, which goes after a minus sign: "-$107.00".
QString Dollars(const QString& shown);

// "the child" for one child, "the children" for any other number.
QString TheChildren(int count);

// One parent's lines 1 to 3 as the worksheet shows them, trimmed.
struct PartyFigures {
    QString role;  // "Plaintiff" or "Defendant"
    QString name;  // the party's name, or the role while none is entered
    bool named = false;
    QString income, preexisting, responsibility, adjusted, share;
    double otherChildren = 0;
};
// letter: 'P' or 'D'.
PartyFigures ReadPartyFigures(const CaptionOf& caption, QChar letter, const CalculationVariables& result);

// A figure as the worksheet shows it, trimmed; one that the worksheet hides as a zero is told as
// 0.00.
QString ShownFigure(const CaptionOf& caption, const QString& label);

// One parent's expenses as the worksheet shows them: child care, health insurance and
// extraordinary expenses, and their total on the worksheet's total line ("5d" for lblP5d).
struct ExpenseFigures {
    QString childCare, insurance, extraordinary, total;
};
ExpenseFigures ReadExpenseFigures(const CaptionOf& caption, QChar letter, const QString& totalLine);

// One parent's adjustments and order on the worksheets on which each parent owes the other, for
// their adjustments line N (see AdjustedOrder): its expenses, its fair share (N+1), what it paid
// beyond it (N+2), its adjusted obligation (N+3) and the order under it (N+4).
struct AdjustedOrderFigures {
    ExpenseFigures expenses;
    QString fairShare, excess, obligation, order;
};
AdjustedOrderFigures ReadAdjustedOrderFigures(const CaptionOf& caption, QChar letter, int adjustmentsLine);

// "<name> is claiming expenses in the amount of $… for Work Related Child Care, $… for Health
// Insurance, and $…", `afterExtraordinary`, "totaling $…. ", a figure not above zero told as
// 0.00; or, with no total above zero, that the parent claims none.
QString ExpenseSentence(const QString& name, const ExpenseFigures& expenses,
                        const QString& afterExtraordinary = " for extraordinary expenses, ");

// The parties, the children, both incomes and, when above zero, the combined income, each
// paragraph followed by a break; ages are counted on `today`. The defendant "pays" a
// pre-existing payment where the plaintiff "receives a credit for" one.
QString PartiesChildrenAndIncomes(const CaptionOf& caption, const CalculationVariables& result, const QDate& today,
                                  Wording wording = Wording::Kept);

// That line 4 is the override amount shown, not the schedule's; `line4` as shown.
QString OverrideSentence(const QString& line4);

// Why there is no basic obligation when the schedule did not give line 4 (result.Line4Coverage),
// for the combined income as shown; empty when it did.
QString ScheduleGapParagraph(const CalculationVariables& result, const QString& combinedIncome);

}  // namespace qvr
