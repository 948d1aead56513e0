#pragma once
// The one connection to the encrypted database file.

#include <QString>
#include <QVariant>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

class TDbConnection {
public:
    TDbConnection() = default;
    ~TDbConnection();
    TDbConnection(const TDbConnection &) = delete;
    TDbConnection &operator=(const TDbConnection &) = delete;

    // "Data Source=<file>;Key=<key>": the engine's counterpart of a provider
    // connection string. Parsed when connecting.
    QString ConnectionString;

    // Opens the file named by ConnectionString. The file must exist; with
    // create set (only the data-folder tool does this) a missing file is made.
    void Open(bool create = false);
    void Close();
    bool Connected() const { return db != nullptr; }
    QString FileName() const { return fileName; }

    void Exec(const QString &sql);
    // Runs fn inside one transaction; an exception rolls it back and goes on.
    void Transaction(const std::function<void()> &fn);
    int UserVersion();
    qint64 LastInsertRowId() const;
    int Changes() const;

    sqlite3 *Handle() const { return db; }

    // Raises EDatabaseError with context and the engine's own message.
    [[noreturn]] void Fail(const QString &what) const;

private:
    sqlite3 *db = nullptr;
    QString fileName;
};

// A prepared statement that finalises itself.
class TDbStatement {
public:
    TDbStatement(TDbConnection &connection, const QString &sql);
    ~TDbStatement();
    TDbStatement(const TDbStatement &) = delete;
    TDbStatement &operator=(const TDbStatement &) = delete;

    void Bind(int index, const QVariant &value); // 1-based
    void BindAll(const QVariantList &values);
    bool Step(); // true while a row is available
    int ColumnCount() const;
    QString ColumnName(int i) const;
    QVariant Column(int i) const;
    qint64 ColumnInt64(int i) const;

private:
    TDbConnection &conn;
    sqlite3_stmt *stmt = nullptr;
};

// Parses "A=b;C=d" into its value for name (case-insensitive); empty if absent.
QString ConnectionStringValue(const QString &connectionString, const QString &name);
