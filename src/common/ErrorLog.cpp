#include "ErrorLog.h"

#include "PersianMessageDlg.h"
#include "data/DataSet.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

QString ErrorLogPath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(dir);
    return dir + QStringLiteral("/tizbin.log");
}

void LogError(const QString &where, const QString &what) {
    QFile f(ErrorLogPath());
    if (!f.open(QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&f);
    out << QDateTime::currentDateTime().toString(Qt::ISODateWithMs) << "  " << where << ": " << what
        << '\n';
}

QString CurrentExceptionMessage() {
    try {
        throw;
    } catch (const EDatabaseError &e) {
        return e.Message;
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}

void ReportNotSaved(const QString &what, const QString &error) {
    LogError(QStringLiteral("not saved: ") + what, error);
    PersianMessageDlg(what + QStringLiteral(" ذخیره نشد.") + u'\n' + error, mbOK,
                      TMsgDlgType::mtError);
}
