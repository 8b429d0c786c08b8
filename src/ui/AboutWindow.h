#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace kelmora {

// The program's title, version and a word on what it is for; not modal, gone once closed.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

public slots:
    void cmdOK_Click();

private:
    void Form_Load();

    std::unique_ptr<Ui::frmAbout> m_ui;
};

} // namespace kelmora
