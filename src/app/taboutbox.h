#pragma once

#include <QDialog>
#include <QStringView>

// "About": the product name, its version and the supplier's contacts on a framed panel
// with a small icon and a picture, then the licence and the working folder (where the
// settings, documents, graphs and the log are). "OK" (the default button) and "Отмена" both
// close it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    static constexpr QStringView ProductName = u"ВЕЛАНТАР-ГРАФИЧЕСКИЙ";
    static constexpr QStringView Version = u"1.02.0004";
    static constexpr QStringView Supplier =
        u"Поставщик: служба поддержки ВЕЛАНТАР, тел. +7 (000) 000-00-00, +7 (000) 000-00-01, "
        u"e-mail: support@example.org, сайт: www.example.org";

    static constexpr QStringView Licence = u"Лицензия: GNU GPL версии 3 или более поздней.";

    // The working folder is the current folder unless told otherwise.
    explicit TAboutBox(QWidget *parent = nullptr, const QString &workingFolder = QString());

protected:
    void showEvent(QShowEvent *event) override;
};
