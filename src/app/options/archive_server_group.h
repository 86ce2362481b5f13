#pragma once

#include "archive_server_settings.h"

#include <QGroupBox>

class QLineEdit;
class QSpinBox;

// "Архив станции": the PostgreSQL server the posts of a station share their test archive on
// (server, port, database, user, password). An empty server name keeps the archive in the
// post's own file only.
class ArchiveServerGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit ArchiveServerGroup(QWidget *parent = nullptr);

    void show(const ArchiveServerSettings &settings);
    ArchiveServerSettings entered() const;

private:
    QLineEdit *host_;
    QSpinBox *port_;
    QLineEdit *database_;
    QLineEdit *user_;
    QLineEdit *password_;
};
