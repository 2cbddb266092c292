#pragma once

#include <QDialog>
#include <vector>

class CCatchDatabase;
class QCheckBox;
class QLineEdit;

// "Saisie de vos préférences": the display options of the OPTIONS table, read when the
// dialog opens and written on "Valider".
//
// Object names: catchFontEdit, imageHeightEdit, commentHeightEdit, miscFontEdit,
// statisticsFontEdit, validateButton, cancelButton, and one check box per AFF_ option named
// after its key ("AFF_LIEU", "AFF_POIDS", ...).
class CPreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPreferencesDialog(CCatchDatabase& db, QWidget* parent = nullptr);

public slots:
    void accept() override;  // "Valider": checks, writes every option, closes

private:
    struct OptionCheck {
        const char* key;
        QCheckBox* box;
    };
    QWidget* BuildCatchGroup();
    QWidget* BuildDisplayGroup();
    QLineEdit* NewNumberField(const QString& label, const QString& group, const char* name);
    void LoadOptions();
    bool CheckFields();
    void WriteOptions();

    CCatchDatabase& m_db;
    QLineEdit* m_catchFont = nullptr;
    QLineEdit* m_imageHeight = nullptr;
    QLineEdit* m_commentHeight = nullptr;
    QLineEdit* m_miscFont = nullptr;
    QLineEdit* m_statisticsFont = nullptr;
    std::vector<OptionCheck> m_checks;
};
