#pragma once
// A one-line label that never cuts its text: a text too wide for the line is drawn in a smaller
// font, then wrapped over the lines the height allows, and only a text that fits in none of these
// ways is shortened with an ellipsis. Whenever the text is not shown whole at the label's own
// font, the whole text is the label's tool tip.

#include <QLabel>

namespace quorvel::view {

class FittedLabel : public QLabel {
    Q_OBJECT

  public:
    explicit FittedLabel(QWidget* parent = nullptr);

    // The font used when the text fits; smaller sizes go down to `minimumPoints`.
    void setBaseFont(const QFont& font, int minimumPoints);
    // The whole text, whatever is drawn.
    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit();

    QFont baseFont_;
    int minimumPoints_ = 7;
    QString fullText_;
};

}  // namespace quorvel::view
