#include "application/grid/dialog_exchange.h"

#include <utility>

#include "application/grid/dialog_titles.h"
#include "application/grid/input_dialog.h"
#include "application/host.h"

namespace quorvel {

DialogExchange::DialogExchange(Host& host, ProgramState& session) : host(host), session(session) {}

void DialogExchange::connect(MainWindowLink* link, InputDialogServices wired) {
    mainWindow = link;
    services = std::move(wired);
}

void DialogExchange::ask(const std::string& title, const std::string& prompt,
                         const std::string& text) {
    dialogTitle = title;
    dialogPrompt = prompt;
    dialogText = text;
    dialogPicked = false;
    InputDialog dialog(*this);
    dialog.load();
    dialog.activate();
    host.runDialog(dialog);
    // A dialog the host gave back still open was dismissed some other way: that is a No.
    if (!dialog.closed()) dialog.cancelClicked();
}

void DialogExchange::openWebAddress(const std::string& url) {
    if (host.openUrl(url)) return;
    ask(std::string(kQuorvelTitle),
        "No web browser was found to open\r\n\r\n" + url + "\r\n\r\nOpen it in a browser yourself.",
        "");
}

}  // namespace quorvel
