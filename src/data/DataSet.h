#pragma once
// A client-side static cursor over rows held in memory, in the manner of the
// table and query components the forms were designed around: rows are read on
// open and on requery, one row is current, record numbers are 1-based
// positions in the current order, and every edit, append and delete is written
// through to the file the moment it is posted.

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include <stdexcept>

struct sqlite3;
class TDbConnection;

// The one error the data layer raises: every failure of the engine, a missing
// column, a value too long for its column or a cursor used in the wrong state.
class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const QString &message)
        : std::runtime_error(message.toStdString()), Message(message) {}
    QString Message;
};

enum class TFieldType { AutoInc, Integer, SmallInt, String, Memo, Boolean, Blob };

struct TFieldDef {
    QString Name;
    TFieldType Type = TFieldType::Integer;
    int Size = 0; // maximum length of a String field
};

enum class TDataSetState { Inactive, Browse, Edit, Insert };

class TDataSet;

// A light handle on one field of a dataset's current row (or of its edit
// buffer while editing or appending).
class TField {
public:
    TField(TDataSet *dataSet, int index) : ds(dataSet), idx(index) {}
    const QString &FieldName() const;
    QVariant Value() const;
    bool IsNull() const;
    QString AsString() const;
    int AsInteger() const;
    bool AsBoolean() const;
    QByteArray AsBytes() const;
    void SetValue(const QVariant &v);
    void Clear() { SetValue(QVariant()); }

private:
    TDataSet *ds;
    int idx;
};

class TDataSet : public QObject {
    Q_OBJECT
public:
    explicit TDataSet(TDbConnection *connection, QObject *parent = nullptr);
    ~TDataSet() override;

    TDbConnection *Connection() const { return conn; }
    const QVector<TFieldDef> &Fields() const { return fields; }
    int FieldIndex(const QString &name) const; // -1 when absent
    TField FieldByName(const QString &name);

    bool Active() const { return state != TDataSetState::Inactive; }
    TDataSetState State() const { return state; }
    void Open();
    void Close();
    void Requery();

    int RecordCount() const;
    bool IsEmpty() const { return RecordCount() == 0; }
    int RecNo() const; // 1-based; 0 when there is no current row
    void SetRecNo(int recNo);
    bool Bof() const { return bof; }
    bool Eof() const { return eof; }
    void First();
    void Last();
    void Next();
    void Prior();

    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // Posts a pending append or edit, if there is one.
    void CheckBrowseMode();

    // While frozen, listeners (bound widgets, detail tables) are not told of
    // changes; thawing tells them once.
    void DisableControls();
    void EnableControls();

    // The value of a field in the row at view position pos (0-based), for
    // grids that show every row without moving the cursor.
    QVariant ValueAt(int pos, int field) const;

    // Row identity of the current row in the file (SQLite rowid); -1 if none.
    qint64 CurrentRowId() const;

signals:
    // The rows, the current row or one of its values changed.
    void DataChanged();

protected:
    struct Row {
        qint64 RowId = -1;
        QVector<QVariant> Values;
    };

    // Subclasses read their rows and may write them back.
    virtual QVector<Row> LoadRows() = 0;
    virtual void CheckReady() = 0;
    virtual qint64 InsertRow(const QVector<QVariant> &values);
    virtual void UpdateRow(qint64 rowId, const QVector<QVariant> &values);
    virtual void DeleteRow(qint64 rowId);
    virtual Row ReloadRow(qint64 rowId);
    virtual bool RowVisible(const Row &row) const;
    virtual void InitNewRow(QVector<QVariant> &values);

    void SetFields(const QVector<TFieldDef> &defs) { fields = defs; }
    void RebuildView(bool keepCurrent);
    void Notify();
    void RequireActive() const;

    TDbConnection *conn;

private:
    friend class TField;
    QVariant CurrentValue(int field) const;
    void SetBufferValue(int field, const QVariant &v);
    QVariant Normalised(int field, const QVariant &v) const;
    void Validate(const QVector<QVariant> &values) const;

    QVector<TFieldDef> fields;
    QVector<Row> rows; // every row read from the file, in stored order
    QVector<int> view; // positions in rows that the cursor shows
    int cur = -1;      // position in view
    bool bof = true;
    bool eof = true;
    TDataSetState state = TDataSetState::Inactive;
    QVector<QVariant> buffer;
    int freeze = 0;
    bool pendingNotify = false;
};

class TDataSource;

// One table of the file. Opening checks that every declared column exists.
class TDbTable : public TDataSet {
    Q_OBJECT
public:
    TDbTable(TDbConnection *connection, const QString &tableName, const QVector<TFieldDef> &defs,
             QObject *parent = nullptr);

    const QString &TableName() const { return tableName; }

    // Master-detail: while set, only rows whose detailField equals the
    // master's current masterField are visible, and appended rows take it.
    void SetMaster(TDataSource *masterSource, const QString &masterField,
                   const QString &detailField);

protected:
    QVector<Row> LoadRows() override;
    void CheckReady() override;
    qint64 InsertRow(const QVector<QVariant> &values) override;
    void UpdateRow(qint64 rowId, const QVector<QVariant> &values) override;
    void DeleteRow(qint64 rowId) override;
    Row ReloadRow(qint64 rowId) override;
    bool RowVisible(const Row &row) const override;
    void InitNewRow(QVector<QVariant> &values) override;

private:
    QString SelectList() const;
    QVariant MasterValue() const;
    void MasterMoved();

    QString tableName;
    TDataSource *master = nullptr;
    int masterFieldIdx = -1;
    int detailFieldIdx = -1;
};

// A read-only statement over the file; its columns are whatever it selects.
class TDbQuery : public TDataSet {
    Q_OBJECT
public:
    explicit TDbQuery(TDbConnection *connection, QObject *parent = nullptr);
    QString SQL;
    QVariantList Params; // bound in order to the statement's ? placeholders
    // Runs a statement that returns no rows; gives the number of rows changed.
    int ExecSQL();

protected:
    QVector<Row> LoadRows() override;
    void CheckReady() override;
};

// What bound widgets and detail tables attach to.
class TDataSource : public QObject {
    Q_OBJECT
public:
    explicit TDataSource(TDataSet *dataSet, QObject *parent = nullptr)
        : QObject(parent), DataSet(dataSet) {}
    TDataSet *DataSet;
};
