#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "db/DataSources.h"

class QLineEdit;
class QTreeWidget;

// Chooses a club's log among the ODBC data sources (the user's, then the system's) and the
// folder that holds its pictures. The folder follows the chosen source until the angler types
// or browses one of their own.
class CSharedLogDialog : public QDialog {
    Q_OBJECT
public:
    // defaultFolder gives the usual pictures folder of a data source name.
    CSharedLogDialog(const std::vector<DataSourceEntry>& sources, const QString& title,
                     const QString& okText, std::function<QString(const QString&)> defaultFolder,
                     QWidget* parent = nullptr);

    QString DataSourceName() const;
    QString PictureFolder() const;

    void accept() override;

private:
    void OnSourceChanged();
    void Browse();

    QTreeWidget* m_sources = nullptr;
    QLineEdit* m_folder = nullptr;
    std::function<QString(const QString&)> m_defaultFolder;
    bool m_folderChosen = false;
};
