#pragma once
// The program-wide variables. Windows and routines exchange data only through the one instance,
// `state`; each member carries the name the rest of the program knows it by. Every member not
// given a start value by start-up starts empty.

#include "core/calculation_variables.h"
#include "platform/database.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <memory>

namespace qvr {

// The worksheet calculation variables come from CalculationVariables.
struct ProgramState : CalculationVariables {
    // Window placement, in twips.
    int FormLeft = 0;
    int FormTop = 0;
    int FormWidth = 0;
    int FormHeight = 0;

    // Titles and file names.
    QString ProgramShortTitle;
    QString VersionText;
    QString CasesFileName;
    QString StartDrive;

    // Database handles and paths.
    std::unique_ptr<Database> CasesDatabase;
    std::unique_ptr<Recordset> CasesRecordset;
    QString CasesDatabasePath;
    std::unique_ptr<Database> NamesDatabase;
    std::unique_ptr<Recordset> NamesRecordset;
    QString NamesDatabasePath;
    std::unique_ptr<Database> MainDatabase;
    std::unique_ptr<Recordset> MainRecordset;
    QString MainDatabasePath;
    std::unique_ptr<Database> ScheduleDatabase;
    std::unique_ptr<Recordset> ScheduleRecordset;
    QString ScheduleDatabasePath;
    QString FilesLocation;
    // Host paths of the database files that start-up has looked at in this run.
    QSet<QString> CheckedDatabaseFiles;
    // The state of each database file that start-up found sound, by host path.
    QHash<QString, QByteArray> SoundDatabaseStates;

    // Current selection.
    QString CurrentCaseId;
    QString CurrentCaseName;
    QString ActiveFormName;
    QString CurrentWorksheetLetter;
    QString CurrentNameKey;
    QString CaseLibraryOpened;

    // Display settings.
    int FieldColor = 0;
    QString ShowZeros;
    QString ShowWarnings;
    QString RoundLinesA;
    QString RoundLinesB;
    QString RoundLinesC;

    // Dialog exchange.
    QString DialogTitle;
    QString DialogPrompt;
    QString DialogValue;
    QString DialogValue2;
    QString DialogParty;
    QString DialogIncome;
    int DialogMaxLength = 0;
    QString DialogFormat;
    QString RenameValue;
    QString PrintAnswer;              // "Yes" or "No" from the print dialog
    int PrintCopies = 0;              // 1 to 9
    double PlaintiffOvernights = 0;   // the overnights dialog's nights and choice of obligor
    double DefendantOvernights = 0;
    QString ObligorChoice;            // "P", "D" or one blank

    // Names picker hand-over.
    QString PickerKey;
    QString PickerPartyName;

    // Child arrays.
    QString ChildName1, ChildName2, ChildName3, ChildName4, ChildName5, ChildName6;
    QString ChildDOB1, ChildDOB2, ChildDOB3, ChildDOB4, ChildDOB5, ChildDOB6;
    QString ChildCust1, ChildCust2, ChildCust3, ChildCust4, ChildCust5, ChildCust6;
    QString ChildNights1, ChildNights2, ChildNights3, ChildNights4, ChildNights5, ChildNights6;
    QString& ChildName(int n);    // n from 1 to 6
    QString& ChildDOB(int n);
    QString& ChildCust(int n);
    QString& ChildNights(int n);

    // Selected-name block (the chosen name record, one variable per column).
    // Value, not QString: a column that was Null stays Null here.
    Value SelKeynumber = QString(""), SelFirmname = QString(""), SelListname = QString("");
    Value SelFirstname = QString(""), SelMiddlename = QString(""), SelLastname = QString("");
    Value SelSuffix = QString(""), SelStreet = QString(""), SelStreet2 = QString("");
    Value SelCity = QString(""), SelNamestate = QString(""), SelZipcode = QString("");
    Value SelWphone = QString(""), SelHphone = QString(""), SelFphone = QString(""), SelCphone = QString("");
    Value SelBirthdate = QString(""), SelDeathdate = QString(""), SelShortnote = QString("");
    Value SelNamecounty = QString(""), SelNamessn = QString(""), SelBarno = QString("");
    Value SelEmployer = QString(""), SelEmail = QString(""), SelNotes = QString("");
    Value SelLastfirstmiddle = QString(""), SelAnniversary = QString(""), SelPlacemarrg = QString("");
    Value SelStartdate = QString(""), SelEnddate = QString(""), SelContact = QString("");
    Value SelCresdate = QString(""), SelCempaddr = QString(""), SelCempaddr2 = QString("");
    Value SelCempcity = QString(""), SelCempstate = QString(""), SelCempzip = QString("");
    Value SelClsalary = QString(""), SelOptfield1 = QString(""), SelOptfield2 = QString("");
    Value SelOptfield3 = QString("");

    // Override (its flag among the calculation variables).
    QString OverrideAmount;

    // Shaded-area bounds (monthly income) for one to six children.
    double ShadedAreaLimit1 = 0, ShadedAreaLimit2 = 0, ShadedAreaLimit3 = 0;
    double ShadedAreaLimit4 = 0, ShadedAreaLimit5 = 0, ShadedAreaLimit6 = 0;
    double ShadedAreaLimit(int children) const;  // children from 1 to 6

    // What the schedule walk of the last lookup found.
    double LowerRowIncome = 0, LowerRowAmount = 0, UpperRowIncome = 0, UpperRowAmount = 0;

    // Explanation.
    QString ExplanationText;

    // Scratch values shared by many routines.
    int UserAnswer = 0;
    int LoopIndex = 0;
    QString BuildingList;
    QString ProduceAnswer;
};

extern ProgramState state;

// The start values of the program-wide state, in their order: the first thing start-up does.
void SetStartValues();

}  // namespace qvr
