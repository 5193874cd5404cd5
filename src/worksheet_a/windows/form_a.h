#pragma once
// Worksheet A, the sole-custody worksheet: the picture of court form AOC-CV-627 with a label on
// each blank. Clicking an entry label edits that entry of the current case; every edit is
// written to the case record at once and the worksheet is computed again from the record.

#include "core/frame.h"
#include "worksheet_a/calculation.h"

#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qvr {

class Recordset;

class FormA : public QWidget, public Worksheet {
    Q_OBJECT
public:
    // Loading the window: placement, menus, the current case (the first one when none is
    // current) and the whole worksheet computed.
    explicit FormA(QWidget* parent = nullptr);

    void ProduceForm() override;
    void ChangeFieldColors() override;

    // One row of an editor table: what the editor asks and where it writes.
    struct TextEntry;
    struct AmountEntry;
    struct OtherChildrenEntry;
    struct PartyEntry;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QLabel* AddCell(const QString& name, const QRectF& points, Qt::Alignment alignment);
    QLabel* AddNotice(const QString& name, const QRectF& points, double fontPoints, const QColor& color,
                      Qt::Alignment alignment);
    QCheckBox* AddCheckBox(const QString& name, const QRectF& points);
    QPushButton* AddButton(const QString& name, const QString& caption, const QRect& place,
                           void (FormA::*handler)());
    void OnClick(const QString& label, void (FormA::*handler)());
    void ConnectEditors();

    void Form_Load();
    // False when the case is gone (the user is told, and the case library shown instead).
    bool CalculateWorksheet();
    void ShowResult(const WorksheetResult& result);
    bool SaveCheckBoxes();

    // The record access of every action. Each reports a current case that is gone and an
    // entry that the record refused, and is false then.
    std::optional<CaseRecord> ReadCase();
    bool EditCase(const std::function<void(Recordset&)>& assign);
    bool WriteColumns(const std::vector<std::pair<QString, QString>>& columns);
    void ReportCaseGone();

    QLabel* Label(const QString& name) const;
    QString Caption(const QString& name) const;

    void cmdExplanation_Click();
    void cmdOverrideSupport_Click();
    void cmdRound7thru9_Click();
    void cmdShowHideZeros_Click();
    void cmdChangeCustody_Click();
    void GetChildInfoHot_Click();
    void Check_Click();

    // The entry editors, one kind each.
    void EditText(const TextEntry& entry);
    void EditAmount(const AmountEntry& entry, const QString& noAmountText, double (*read)(const QString&));
    void EditExpense(const AmountEntry& entry);
    void EditIncome(const AmountEntry& entry);
    void EditPreExisting(const AmountEntry& entry);
    void EditOtherChildren(const OtherChildrenEntry& entry);
    void EditParty(const PartyEntry& entry);

    void lblCaseCode_Click();
    void lblCounty_Click();
    void lblCourtFile_Click();
    void lblIVDFile_Click();
    void lblUresa_Click();
    void lblDateSigned_Click();
    void lblPreparedBy_Click();
    void lblPInc_Click();
    void lblDInc_Click();
    void lblPPre_Click();
    void lblDPre_Click();
    void lblPResp_Click();
    void lblDResp_Click();
    void lblPAdja_Click();
    void lblDAdja_Click();
    void lblPAdjb_Click();
    void lblDAdjb_Click();
    void lblPAdjc_Click();
    void lblDAdjc_Click();
    void lblName1Name_Click();
    void lblName2Name_Click();

    std::map<QString, QLabel*> labels_;
    std::map<QObject*, void (FormA::*)()> clickHandlers_;
    QCheckBox* checkBoxes_[4] = {};
    QPushButton* cmdOverrideSupport = nullptr;
    QLabel* lblSelectedCaseName = nullptr;
    bool caseGone_ = false;
};

// What the frame's registry constructs for "FormA".
QWidget* MakeFormA();

}  // namespace qvr
