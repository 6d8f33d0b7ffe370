#include "ui/grid/dialog_exchange.h"

#include <utility>

#include "ui/grid/dlg_msg.h"
#include "ui/host.h"

namespace quorvel {

DialogExchange::DialogExchange(Host& host, Session& session) : host(host), session(session) {}

void DialogExchange::connect(MainWindowLink* link, DlgMsgServices wired) {
    mainWindow = link;
    services = std::move(wired);
}

void DialogExchange::AskUser(const std::string& title, const std::string& prompt,
                             const std::string& text) {
    DlgTitle = title;
    DlgPrompt = prompt;
    DlgText = text;
    DlgPicked = false;
    DlgMsg dialog(*this);
    dialog.Form_Load();
    dialog.Form_Activate();
    host.runDialog(dialog);
    // A dialog the host gave back still open was dismissed some other way: that is a No.
    if (!dialog.closed()) dialog.CancelButton_Click();
}

}  // namespace quorvel
