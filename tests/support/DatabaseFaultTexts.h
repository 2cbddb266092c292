#pragma once

#include <QString>

// The French sentences the angler reads when the machine refuses a write, as the tests expect
// them word for word (the driver's detail follows them in the message).
inline const QString kLockedText = QString::fromUtf8(
    "La base de données est verrouillée par un autre programme. Réessayez dans un instant.");
inline const QString kReadOnlyText = QString::fromUtf8(
    "Le dossier de données est en lecture seule : la modification n'a pas été enregistrée.");
inline const QString kDiskFullText = QString::fromUtf8(
    "Le disque est plein : la modification n'a pas été enregistrée. Libérez de la place puis "
    "réessayez.");
inline const QString kDiskErrorText =
    QString::fromUtf8("Erreur d'écriture sur le disque : la modification n'a pas été enregistrée.");
