#pragma once
// The modeless help window: the general help text in a box that scrolls only when
// the text does not fit, two font buttons, and a place, size and font size remembered for the
// rest of the run (never in a file). All sizes are twips.

#include <functional>
#include <string>

namespace quorvel {

class Host;
struct ProgramState;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Where the help window may go, in twips: the main window's outer frame, the screen's work area
// (width 0 when unknown) and the frame a window gets around its inside on each side.
struct HelpScreen {
    TwipsRect mainFrame;
    TwipsRect workArea;
    TwipsRect decoration;  // left, top (title bar included), right and bottom frame widths
};

class HelpWindow {
  public:
    static constexpr const char* kCaption = " A Little Bit of Help ..";
    static constexpr const char* kHelpFileName = "sudokuhelp.pxz";
    static constexpr const char* kTextFont = "Arial";        // the scrolling text box
    static constexpr const char* kCopyFont = "Courier New";  // the plain copy
    static constexpr int kSmallFont = 9;
    static constexpr int kLargeFont = 12;

    HelpWindow(Host& host, ProgramState& session);

    // Fills the window with `text` and shows it, placed against the main window (or where it was
    // last) and moved and shrunk as needed so that it lies wholly in the work area, title bar
    // included; the activation step runs as the window comes up. The geometry is the window's
    // inside, as the platform places it.
    void show(const std::string& text, const HelpScreen& screen);
    void activate();
    // The user moved or resized the window.
    void moved(int left, int top);
    void resized(int width, int height);
    // 0 "Small Font", 1 "Large Font".
    void fontButtonClicked(int index);
    void deactivate();
    void unload();

    bool visible() const { return visible_; }
    const std::string& text() const { return text_; }
    const TwipsRect& geometry() const { return window_; }
    int fontPoints() const { return fontPoints_; }
    // The frame, the panel inside it and the text box (where the plain copy sits too).
    const TwipsRect& frame() const { return frame_; }
    const TwipsRect& panel() const { return panel_; }
    const TwipsRect& textBox() const { return textBox_; }
    // The row of font buttons ends where the text box ends.
    int fontButtonsRight() const { return textBox_.left + textBox_.width; }
    // True when the text is taller than the box: the scrolling text box shows it; otherwise the
    // plain copy does.
    bool scrolling() const { return scrolling_; }
    // The remembered "left,top,width,height,font" text; "" until the window was first left.
    const std::string& rememberedGeometry() const { return remembered_; }

    // The line that says where the program keeps the user's data.
    const std::string& dataFolderNote() const { return dataFolderNote_; }
    void setDataFolderNote(std::string note) { dataFolderNote_ = std::move(note); }

    void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  private:
    void keepOnScreen();
    void layout();
    void remember();
    void changed();

    Host& host_;
    ProgramState& session_;
    bool visible_ = false;
    std::string text_;
    HelpScreen screen_;
    TwipsRect window_;
    int fontPoints_ = kSmallFont;
    TwipsRect frame_;
    TwipsRect panel_;
    TwipsRect textBox_{200, 550, 0, 0};
    bool scrolling_ = false;
    std::string remembered_;
    std::string dataFolderNote_;
    std::function<void()> onChanged_;
};

}  // namespace quorvel
