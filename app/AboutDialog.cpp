#include "app/AboutDialog.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The picture box of the original dialog: 133 x 68 dialog units.
const QSize kPictureSize(200, 110);

QLabel* NewPicture(QWidget* parent) {
    auto* picture = new QLabel(parent);
    QImageReader reader(QStringLiteral(":/about.svg"));
    const QSize natural = reader.size();
    if (natural.isValid()) reader.setScaledSize(natural.scaled(kPictureSize, Qt::KeepAspectRatio));
    picture->setPixmap(QPixmap::fromImage(reader.read()));
    picture->setFixedSize(kPictureSize);
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(QStringLiteral("Image de Brevane"));
    return picture;
}
}  // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("A propos de Brevane"));
    setAccessibleName(QStringLiteral("A propos de Brevane"));

    auto* version = new QLabel(QStringLiteral("Brevane version " BREVANE_VERSION), this);
    version->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setAccessibleName(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* okColumn = new QVBoxLayout;
    okColumn->addWidget(ok);
    okColumn->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addWidget(NewPicture(this), 0, Qt::AlignTop);
    row->addWidget(version, 1);
    row->addLayout(okColumn);
    setFixedSize(sizeHint().expandedTo(QSize(450, 130)));
}
