#pragma once
// The program's modal message box: Persian title and button captions,
// right-to-left, a sound for each kind.

#include <QFlags>
#include <QString>

enum class TMsgDlgType { mtWarning = 0, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn {
    mbYes = 0x01,
    mbNo = 0x02,
    mbOK = 0x04,
    mbCancel = 0x08,
    mbRetry = 0x10,
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

// Shows the dialog and returns the modal result of the button pressed (OK 1,
// Cancel 2, Retry 4, Yes 6, No 7), or 2 when it is closed by its close box.
int PersianMessageDlg(const QString &msg, TMsgDlgButtons buttons, TMsgDlgType dlgType);

// The title of a kind ("   اخطار", ...); the custom kind has the application's.
QString MessageDlgTitle(TMsgDlgType dlgType);

// A plain message box: the generic box some failures use (no Persian title,
// just the application's).
void ShowMessage(const QString &msg);

// Plays the sound of a dialog kind, asynchronously; beeps when no sound can
// be played.
void PlayKindSound(TMsgDlgType dlgType);
