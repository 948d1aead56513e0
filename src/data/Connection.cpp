#include "Connection.h"

#include "DataSet.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <QFileInfo>

TDbConnection::~TDbConnection() {
    Close();
}

QString ConnectionStringValue(const QString &connectionString, const QString &name) {
    const auto parts = connectionString.split(u';', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq < 0)
            continue;
        if (part.left(eq).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1);
    }
    return {};
}

void TDbConnection::Fail(const QString &what) const {
    QString msg = what;
    if (db) {
        msg += QStringLiteral(" (") + QString::fromUtf8(sqlite3_errmsg(db)) + u')';
    }
    throw EDatabaseError(msg);
}

void TDbConnection::Open(bool create) {
    Close();
    fileName = ConnectionStringValue(ConnectionString, QStringLiteral("Data Source"));
    const QByteArray key = ConnectionStringValue(ConnectionString, QStringLiteral("Key")).toUtf8();
    if (fileName.isEmpty())
        throw EDatabaseError(QStringLiteral("نام فایل بانک اطلاعاتی داده نشده است."));
    const QFileInfo info(fileName);
    if (!create && !info.exists())
        throw EDatabaseError(QStringLiteral("فایل بانک اطلاعاتی پیدا نشد:") + u'\n' + fileName);
    if (info.exists() && !info.isReadable())
        throw EDatabaseError(QStringLiteral("فایل بانک اطلاعاتی خواندنی نیست:") + u'\n' + fileName);

    int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    sqlite3 *handle = nullptr;
    const int rc = sqlite3_open_v2(fileName.toUtf8().constData(), &handle, flags, nullptr);
    db = handle;
    try {
        if (rc != SQLITE_OK)
            Fail(QStringLiteral("بانک اطلاعاتی باز نشد:") + u'\n' + fileName);
        // Results are written the moment they happen; a file we cannot write
        // would lose them silently later, so refuse it now.
        if (sqlite3_db_readonly(db, "main") == 1)
            throw EDatabaseError(
                QStringLiteral(
                    "فایل بانک اطلاعاتی فقط‌خواندنی است:") +
                u'\n' + fileName);
        if (!key.isEmpty() && sqlite3_key(db, key.constData(), int(key.size())) != SQLITE_OK)
            Fail(QStringLiteral("کلید بانک اطلاعاتی پذیرفته نشد."));
        // The key is only checked when the first page is read.
        if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            Fail(QStringLiteral("بانک اطلاعاتی خوانده نشد؛ فایل خراب است یا کلید آن درست نیست."));
        sqlite3_busy_timeout(db, 2000);
    } catch (...) {
        Close();
        throw;
    }
}

void TDbConnection::Close() {
    if (db) {
        sqlite3_close_v2(db);
        db = nullptr;
    }
}

void TDbConnection::Exec(const QString &sql) {
    if (!db)
        throw EDatabaseError(QStringLiteral("بانک اطلاعاتی باز نیست."));
    char *err = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "?");
        sqlite3_free(err);
        throw EDatabaseError(QStringLiteral("فرمان بانک اطلاعاتی اجرا نشد (") + msg + u')');
    }
}

void TDbConnection::Transaction(const std::function<void()> &fn) {
    Exec(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        fn();
        Exec(QStringLiteral("COMMIT"));
    } catch (...) {
        if (db)
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

int TDbConnection::UserVersion() {
    TDbStatement st(*this, QStringLiteral("PRAGMA user_version"));
    return st.Step() ? int(st.ColumnInt64(0)) : 0;
}

qint64 TDbConnection::LastInsertRowId() const {
    return sqlite3_last_insert_rowid(db);
}

int TDbConnection::Changes() const {
    return sqlite3_changes(db);
}

TDbStatement::TDbStatement(TDbConnection &connection, const QString &sql) : conn(connection) {
    if (!conn.Handle())
        throw EDatabaseError(QStringLiteral("بانک اطلاعاتی باز نیست."));
    if (sqlite3_prepare_v2(conn.Handle(), sql.toUtf8().constData(), -1, &stmt, nullptr) !=
        SQLITE_OK)
        conn.Fail(QStringLiteral("فرمان بانک اطلاعاتی آماده نشد"));
}

TDbStatement::~TDbStatement() {
    sqlite3_finalize(stmt);
}

void TDbStatement::Bind(int index, const QVariant &value) {
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int(stmt, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            rc = sqlite3_bind_int64(stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = value.toByteArray();
            rc = sqlite3_bind_blob(stmt, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray s = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, index, s.constData(), int(s.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        conn.Fail(QStringLiteral("مقدار به فرمان بانک اطلاعاتی داده نشد"));
}

void TDbStatement::BindAll(const QVariantList &values) {
    for (int i = 0; i < values.size(); ++i)
        Bind(i + 1, values[i]);
}

bool TDbStatement::Step() {
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    conn.Fail(QStringLiteral("فرمان بانک اطلاعاتی اجرا نشد"));
}

int TDbStatement::ColumnCount() const {
    return sqlite3_column_count(stmt);
}

QString TDbStatement::ColumnName(int i) const {
    return QString::fromUtf8(sqlite3_column_name(stmt, i));
}

qint64 TDbStatement::ColumnInt64(int i) const {
    return sqlite3_column_int64(stmt, i);
}

QVariant TDbStatement::Column(int i) const {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)),
                              sqlite3_column_bytes(stmt, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, i)),
                                   sqlite3_column_bytes(stmt, i)));
    default:
        return {};
    }
}
