#include "archive_server_group.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace {

QLineEdit *lineEdit(const char *name, QWidget *parent) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

} // namespace

ArchiveServerGroup::ArchiveServerGroup(QWidget *parent)
    : QGroupBox(QStringLiteral("Архив станции (сервер PostgreSQL)"), parent),
      host_(lineEdit("ArchiveHost", this)), port_(new QSpinBox(this)),
      database_(lineEdit("ArchiveDatabase", this)), user_(lineEdit("ArchiveUser", this)),
      password_(lineEdit("ArchivePassword", this)) {
    setObjectName("ArchiveServerGroup");
    port_->setObjectName("ArchivePort");
    port_->setRange(1, 65535);
    password_->setEchoMode(QLineEdit::Password);
    host_->setPlaceholderText(QStringLiteral("не задан: архив только на этом посту"));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Сервер:"), host_);
    form->addRow(QStringLiteral("Порт:"), port_);
    form->addRow(QStringLiteral("База:"), database_);
    form->addRow(QStringLiteral("Пользователь:"), user_);
    form->addRow(QStringLiteral("Пароль:"), password_);
}

void ArchiveServerGroup::show(const ArchiveServerSettings &settings) {
    host_->setText(settings.host);
    port_->setValue(settings.port);
    database_->setText(settings.database);
    user_->setText(settings.user);
    password_->setText(settings.password);
}

ArchiveServerSettings ArchiveServerGroup::entered() const {
    return {host_->text().trimmed(), port_->value(), database_->text().trimmed(),
            user_->text().trimmed(), password_->text()};
}
