#pragma once
// The about window as a modal dialog; in exit mode its Yes/No panel covers it. The
// texts and the web-site label's look come from the core; buttons are forwarded to it.

#include "application/shell/about_window.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

namespace quorvel::view {

class LabelButton;

class AboutView : public QDialog {
    Q_OBJECT

  public:
    AboutView(AboutWindow& about, QWidget* parent = nullptr);
    ~AboutView() override;

    static void run(AboutWindow& about, QWidget* parent);

    QWidget* exitPanel() const { return exitPanel_; }
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QPushButton* okButton() const { return ok_; }
    LabelButton* webSiteLabel() const { return webSite_; }
    QLabel* dataFolderLabel() const { return dataFolder_; }

  public slots:
    void reject() override;

  private:
    void render();

    AboutWindow& about_;
    QLabel* title_;
    QLabel* version_;
    QLabel* description_;
    QLabel* dataFolder_;
    LabelButton* webSite_;
    QPushButton* ok_;
    QPushButton* sysInfo_;
    QWidget* exitPanel_;
    QPushButton* yes_;
    QPushButton* no_;
};

}  // namespace quorvel::view
