#include "vcl/Shape.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace vcl {
namespace {

class Ellipse : public QWidget {
public:
    QColor color = Qt::black;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(rect());
    }
};

} // namespace

TShape::TShape(TWinControl* parent) : TControl(parent, new Ellipse) {}

void TShape::SetBrushColor(TColor color)
{
    color_ = color;
    static_cast<Ellipse*>(Widget())->color = QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    Widget()->update();
}

TImage::TImage(TWinControl* parent) : TControl(parent, new QLabel)
{
    static_cast<QLabel*>(Widget())->setScaledContents(true);
}

bool TImage::LoadFromFile(const std::string& path)
{
    QPixmap picture;
    if (!picture.load(QString::fromStdString(path)))
        return false;
    static_cast<QLabel*>(Widget())->setPixmap(picture);
    return true;
}

} // namespace vcl

namespace vcl {
void TImage::SetPicture(const QPixmap& picture) { static_cast<QLabel*>(Widget())->setPixmap(picture); }
} // namespace vcl
