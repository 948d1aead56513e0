#include "PersianMessageDlg.h"

#include "Form.h"
#include "Paths.h"
#include "Theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QSoundEffect>
#include <QStyle>

namespace {

struct ButtonInfo {
    TMsgDlgBtn Button;
    const char *Name;
    QString Caption;
    int Result;
    QStyle::StandardPixmap Glyph;
};

// In processing order. The captions keep their Arabic yeh (U+064A).
const QVector<ButtonInfo> &Buttons() {
    static const QVector<ButtonInfo> list{
        {mbRetry, "Retry", QStringLiteral("تلاش مجدد"), mrRetry, QStyle::SP_BrowserReload},
        {mbOK, "OK", QString::fromUtf8("\u062A\u0627\u064A\u064A\u062F"), mrOk,
         QStyle::SP_DialogOkButton},
        {mbCancel, "Cancel", QStringLiteral("انصراف"), mrCancel, QStyle::SP_DialogCancelButton},
        {mbNo, "No", QString::fromUtf8("\u062E\u064A\u0631"), mrNo, QStyle::SP_DialogNoButton},
        {mbYes, "Yes", QString::fromUtf8("\u0628\u0644\u064A"), mrYes, QStyle::SP_DialogYesButton},
    };
    return list;
}

// Left to right on the dialog as laid out right to left: Yes first at the right.
const TMsgDlgBtn kVisualOrder[] = {mbYes, mbNo, mbOK, mbCancel, mbRetry};

QStyle::StandardPixmap KindIcon(TMsgDlgType t) {
    switch (t) {
    case TMsgDlgType::mtWarning:
        return QStyle::SP_MessageBoxWarning;
    case TMsgDlgType::mtError:
        return QStyle::SP_MessageBoxCritical;
    case TMsgDlgType::mtInformation:
        return QStyle::SP_MessageBoxInformation;
    case TMsgDlgType::mtConfirmation:
        return QStyle::SP_MessageBoxQuestion;
    case TMsgDlgType::mtCustom:
        break;
    }
    return QStyle::SP_CustomBase;
}

const char *KindSoundFile(TMsgDlgType t) {
    switch (t) {
    case TMsgDlgType::mtWarning:
        return "warning.wav";
    case TMsgDlgType::mtError:
        return "error.wav";
    case TMsgDlgType::mtInformation:
        return "info.wav";
    case TMsgDlgType::mtConfirmation:
        return "question.wav";
    case TMsgDlgType::mtCustom:
        return "asterisk.wav";
    }
    return "info.wav";
}

} // namespace

QString MessageDlgTitle(TMsgDlgType dlgType) {
    switch (dlgType) {
    case TMsgDlgType::mtWarning:
        return QStringLiteral("   اخطار");
    case TMsgDlgType::mtError:
        return QStringLiteral("   خطا");
    case TMsgDlgType::mtInformation:
        return QStringLiteral("   اطلاع");
    case TMsgDlgType::mtConfirmation:
        return QStringLiteral("   تایید");
    case TMsgDlgType::mtCustom:
        break;
    }
    return QApplication::applicationDisplayName();
}

void PlayKindSound(TMsgDlgType dlgType) {
    if (qEnvironmentVariableIsSet("TIZBIN_MUTE"))
        return;
    static QHash<int, QSoundEffect *> effects;
    QSoundEffect *&fx = effects[int(dlgType)];
    if (!fx) {
        fx = new QSoundEffect(qApp);
        fx->setSource(QUrl::fromLocalFile(
            MediaPath(QStringLiteral("Media/sound/") + QLatin1String(KindSoundFile(dlgType)))));
    }
    if (fx->status() == QSoundEffect::Error || fx->source().isEmpty())
        QApplication::beep();
    else
        fx->play();
}

int PersianMessageDlg(const QString &msg, TMsgDlgButtons buttons, TMsgDlgType dlgType) {
    TForm dlg(QApplication::activeWindow());
    dlg.setObjectName(QStringLiteral("PersianMessageDlg"));
    dlg.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dlg.setFont(DesignFontPt(QStringLiteral("Tahoma"), 8));
    dlg.setLayoutDirection(Qt::RightToLeft);
    dlg.setWindowTitle(MessageDlgTitle(dlgType));

    const int margin = 16;
    int iconSize = 0;
    QLabel *icon = nullptr;
    const QStyle::StandardPixmap sp = KindIcon(dlgType);
    if (sp != QStyle::SP_CustomBase) {
        icon = new QLabel(&dlg);
        icon->setObjectName(QStringLiteral("Image"));
        const QPixmap pm = dlg.style()->standardIcon(sp).pixmap(32, 32);
        icon->setPixmap(pm);
        if (dlgType == TMsgDlgType::mtConfirmation && !pm.isNull())
            icon->resize(pm.size()); // the question mark sizes itself
        else
            icon->resize(32, 32);
        iconSize = icon->width();
    }

    auto *message = new QLabel(msg, &dlg);
    message->setObjectName(QStringLiteral("Message"));
    message->setFont(DesignFontPt(QStringLiteral("Tahoma"), 8));
    message->setWordWrap(false);
    message->setAlignment(Qt::AlignCenter);
    message->setTextFormat(Qt::PlainText);
    const QSize textSize = message->sizeHint();

    const int btnW = 75, btnH = 25 + 5, gap = 8;
    int count = 0;
    for (const ButtonInfo &b : Buttons())
        if (buttons.testFlag(b.Button))
            ++count;
    const int buttonsWidth = count * btnW + std::max(0, count - 1) * gap;

    const int contentWidth = textSize.width() + (iconSize ? iconSize + 12 : 0);
    const int width = std::max({45 + contentWidth + margin, buttonsWidth + 2 * margin, 220});
    const int textTop = margin;
    const int bodyHeight = std::max(textSize.height(), iconSize);
    message->setGeometry(45, textTop + (bodyHeight - textSize.height()) / 2,
                         width - 45 - margin - (iconSize ? iconSize + 12 : 0), textSize.height());
    if (icon)
        icon->move(width - margin - iconSize, textTop + (bodyHeight - icon->height()) / 2);
    const int buttonsTop = textTop + bodyHeight + 18;
    dlg.SetClientSize(width, buttonsTop + btnH + margin);

    // Right to left: the first button of the visual order stands at the right.
    int x = width - (width - buttonsWidth) / 2;
    for (TMsgDlgBtn which : kVisualOrder) {
        if (!buttons.testFlag(which))
            continue;
        const ButtonInfo *info = nullptr;
        for (const ButtonInfo &b : Buttons())
            if (b.Button == which)
                info = &b;
        auto *btn = new TSkinButton(&dlg, QString::fromLatin1(info->Name), info->Caption);
        btn->setIcon(dlg.style()->standardIcon(info->Glyph));
        btn->setFont(DesignFontPt(QStringLiteral("Tahoma"), 8));
        x -= btnW;
        btn->setGeometry(x, buttonsTop, btnW, btnH);
        x -= gap;
        dlg.SetButtonModalResult(btn, info->Result);
        if (which == mbOK || which == mbYes) {
            if (!dlg.DefaultButton || which == mbYes)
                dlg.DefaultButton = btn;
        }
        if (which == mbCancel || which == mbNo) {
            if (!dlg.CancelButton || which == mbCancel)
                dlg.CancelButton = btn;
        }
    }
    // With neither Cancel nor No, Esc dismisses the box through OK.
    if (!dlg.CancelButton && buttons.testFlag(mbOK))
        dlg.CancelButton = dlg.findChild<QAbstractButton *>(QStringLiteral("OK"));
    // Tab order right to left, and the default button takes the focus.
    if (dlg.DefaultButton)
        dlg.DefaultButton->setFocus();
    else if (auto *first = dlg.findChild<QPushButton *>())
        first->setFocus();

    PlayKindSound(dlgType);
    return dlg.ShowModal();
}

void ShowMessage(const QString &msg) {
    TForm dlg(QApplication::activeWindow());
    dlg.setObjectName(QStringLiteral("ShowMessage"));
    dlg.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dlg.setWindowTitle(QApplication::applicationDisplayName());
    auto *message = new QLabel(msg, &dlg);
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setAlignment(Qt::AlignCenter);
    const QSize s = message->sizeHint();
    const int width = std::max(s.width() + 40, 240);
    message->setGeometry(20, 16, width - 40, s.height());
    auto *ok = new TSkinButton(&dlg, QStringLiteral("OK"), QStringLiteral("OK"));
    ok->setGeometry((width - 75) / 2, 16 + s.height() + 16, 75, 28);
    dlg.SetButtonModalResult(ok, mrOk);
    dlg.DefaultButton = ok;
    dlg.CancelButton = ok;
    dlg.SetClientSize(width, 16 + s.height() + 16 + 28 + 14);
    ok->setFocus();
    QApplication::beep();
    dlg.ShowModal();
}
