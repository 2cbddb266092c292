#pragma once

#include <QDialog>

class QLineEdit;

// Asks for an album name, typed in capitals. "OK" refuses an empty name.
class CAlbumTitleDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAlbumTitleDialog(const QString& name, QWidget* parent = nullptr);

    // The name given at construction, replaced by the typed text after "OK".
    QString Name() const { return m_name; }

public slots:
    void accept() override;  // "OK"

private:
    QLineEdit* m_edit = nullptr;
    QString m_name;
};
