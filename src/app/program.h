#pragma once
// The whole program put together: the Application (main window, splash, dialogs), the two grid
// windows hosted by the main window, and the commands of the menus registered in its table.

#include "ui/grid/cell_entry_state.h"
#include "ui/grid/grid_window.h"
#include "ui/shell/application.h"
#include "ui/shell/grid_child.h"

#include <filesystem>
#include <memory>

namespace quorvel {

// A grid window as the main window hosts it: loaded the first time it is shown, activated on
// every show.
class HostedGrid : public GridChild {
  public:
    explicit HostedGrid(GridWindow& window) : window_(window) {}
    std::string name() const override { return std::string(window_.name()); }
    bool is(const GridWindow& window) const override { return &window == &window_; }
    void showIn(int frameWidthTwips, int frameHeightTwips) override;
    void hide() override { window_.hide(); }
    void placeIn(int frameWidthTwips, int frameHeightTwips) override {
        window_.placeIn(frameWidthTwips, frameHeightTwips);
    }
    void setShape2BackColour(std::uint32_t colour) override {
        window_.board().setShape2BackColour(static_cast<int>(colour));
    }
    void unloadTips() override { window_.unloadTips(); }
    // The composing controls are not built yet; the 15x15 window never has them.
    void setComposingControlsVisible(bool) override {}
    void closeForExit() override { window_.Form_QueryUnload(); }

  private:
    GridWindow& window_;
};

class Program {
  public:
    Program(Host& host, std::filesystem::path programFolder);

    Application& application() { return application_; }
    MDI1& mainWindow() { return application_.mainWindow(); }
    GridWindow& nine() { return *nine_; }
    GridWindow& fifteen() { return *fifteen_; }

  private:
    GridWindow* activeGrid();

    Application application_;
    CellEntryState entry_;
    std::unique_ptr<GridWindow> nine_;
    std::unique_ptr<GridWindow> fifteen_;
    std::unique_ptr<HostedGrid> nineChild_;
    std::unique_ptr<HostedGrid> fifteenChild_;
};

}  // namespace quorvel
