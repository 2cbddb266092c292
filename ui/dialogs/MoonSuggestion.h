#pragma once

#include <QObject>

class CCatchDatabase;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTimeEdit;

// Sets the "Lune :" drop-down of a new catch to the entry named after the moon's phase at the
// catch's moment, once the moment and a position (the GPS text, else the place's position)
// are known. Only a suggestion: once the angler picks a moon, it is never changed again.
class CMoonSuggestion : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QDateEdit* date;
        QTimeEdit* time;
        QLineEdit* gps;
        QComboBox* place;
        QComboBox* moon;
    };
    CMoonSuggestion(CCatchDatabase& db, const Fields& fields, QObject* parent);

    // Looks again at the moment and the position; called on every change of them.
    void Update();

private:
    int SuggestedMoonId();

    CCatchDatabase& m_db;
    Fields m_fields;
    bool m_chosenByAngler = false;
    int m_suggested = -1;
};
