#pragma once

#include <QDialog>
#include <QStringView>

// "About": the product name, its version and the supplier's contacts on a framed panel
// with a small icon and a picture. "OK" (the default button) and "Отмена" both close it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    static constexpr QStringView ProductName = u"ВЕЛАНТАР-ГРАФИЧЕСКИЙ";
    static constexpr QStringView Version = u"1.02.0004";
    static constexpr QStringView Supplier =
        u"Поставщик: служба поддержки ВЕЛАНТАР, тел. +7 (000) 000-00-00, +7 (000) 000-00-01, "
        u"e-mail: support@example.org, сайт: www.example.org";

    explicit TAboutBox(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
