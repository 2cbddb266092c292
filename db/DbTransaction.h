#pragma once

class CDbConnection;

// Several statements that must reach the file all together or not at all (a catch and its
// species and bait rows, the base tables). Opened by the constructor, which throws
// CSQLException* like ExecuteDirect; rolled back by the destructor unless Commit() ran.
// Inside another transaction it is a savepoint: its rollback undoes only its own statements,
// and its commit counts only when the outer transaction commits (an import of many catches
// stores each through the program's own operations, all in one transaction).
class CDbTransaction {
public:
    enum class Kind {
        Deferred,   // the write lock is taken by the first write
        Immediate,  // the write lock is taken at once: a check and the write it guards see
                    // the same log, nothing of another program slips in between
    };

    explicit CDbTransaction(CDbConnection& db, Kind kind = Kind::Deferred);
    ~CDbTransaction();
    CDbTransaction(const CDbTransaction&) = delete;
    CDbTransaction& operator=(const CDbTransaction&) = delete;

    // Throws CSQLException* when the file refuses the changes (full disk, lock); the
    // destructor then rolls them back.
    void Commit();

private:
    CDbConnection& m_db;
    bool m_open = false;
    bool m_nested = false;
};
