#pragma once

#include <QDialog>
#include <QStringList>

class CPictureStatic;
class QLabel;
class QPushButton;
class QScrollBar;

// "Sélection d'une image": browses the JPEG, GIF and BMP files of one folder under
// <data folder>/images/ and copies new pictures into it.
//
// Object names: picture (CPictureStatic), nameLabel, scrollBar, validateButton, cancelButton,
// addImageButton.
class CImagePickerDialog : public QDialog {
    Q_OBJECT
public:
    // folderName: "Poissons", "Lieux", "Esches", "Amorces", "Montages" or "PRISES".
    explicit CImagePickerDialog(const QString& folderName, QWidget* parent = nullptr);

    // The file name (no path) chosen with "Valider"; empty before.
    QString ChosenFileName() const { return m_chosen; }
    // The file names offered, in scroll order.
    QStringList FileNames() const { return m_names; }
    QString FolderPath() const { return m_folderPath; }

    // The copy step of "Ajouter une image": copies the file into the folder without
    // overwriting, offers it and goes back to the first picture. A file that is not a
    // JPEG, GIF or BMP name is ignored silently; an existing name is refused with
    // "Ce nom d'image existe déjà !". True when the file was copied.
    bool AddImageFile(const QString& path);

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadFolder();
    void ResetScrollRange();
    void ShowPosition();
    void OnScrollAction(int action);
    void ChooseImageFile();

    QString m_folderPath;  // ends without "/"
    QStringList m_paths;
    QStringList m_names;
    QString m_chosen;
    bool m_emptyFolderTold = false;
    CPictureStatic* m_picture = nullptr;
    QLabel* m_name = nullptr;
    QScrollBar* m_scroll = nullptr;
    QPushButton* m_validate = nullptr;
};
