#include "taboutbox.h"

#include "info_view.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr QSize BoxSize(420, 330);
constexpr QSize PictureSize(160, 120);

QLabel *named(QLabel *label, const char *name) {
    label->setObjectName(name);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent, const QString &workingFolder)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(BoxSize);

    auto *panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);

    auto *icon = named(new QLabel(panel), "ProgramIcon");
    icon->setPixmap(QPixmap(QStringLiteral(":/info/about_icon.png")));
    auto *picture = named(new QLabel(panel), "Picture");
    picture->setPixmap(QPixmap::fromImage(InfoView::designPicture().scaled(
        PictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));

    auto *captions = new QGridLayout;
    captions->addWidget(new QLabel(QStringLiteral("Product Name :"), panel), 0, 0);
    captions->addWidget(named(new QLabel(ProductName.toString(), panel), "ProductName"), 0, 1);
    captions->addWidget(new QLabel(QStringLiteral("Version :"), panel), 1, 0);
    captions->addWidget(named(new QLabel(Version.toString(), panel), "Version"), 1, 1);
    captions->setColumnStretch(1, 1);

    // The captions under the pictures, where the product name has the box's width.
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(picture);
    top->addStretch();

    auto *supplier = named(new QLabel(Supplier.toString(), panel), "Comments");
    supplier->setWordWrap(true);
    supplier->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *licence = named(new QLabel(Licence.toString(), panel), "Licence");
    const QString folder =
        QDir::toNativeSeparators(workingFolder.isEmpty() ? QDir::currentPath() : workingFolder);
    auto *folderLine =
        named(new QLabel(QStringLiteral("Рабочая папка: %1").arg(folder), panel), "WorkingFolder");
    folderLine->setWordWrap(true);
    folderLine->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *inside = new QVBoxLayout(panel);
    inside->addLayout(top);
    inside->addLayout(captions);
    inside->addWidget(supplier);
    inside->addWidget(licence);
    inside->addWidget(folderLine);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName("CancelButton");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *column = new QVBoxLayout(this);
    column->addWidget(panel, 1);
    column->addLayout(buttons);
}

void TAboutBox::showEvent(QShowEvent *event) {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
