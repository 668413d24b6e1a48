#include "app/ToolImages.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

// Every image is drawn on a 16 x 16 grid; the painter is scaled to the target.
namespace {

const QColor kInk(40, 40, 40);
const QColor kFolder(230, 180, 60);
const QColor kBlue(40, 90, 190);
const QColor kGreen(30, 150, 60);
const QColor kRed(200, 40, 40);
const QColor kDevice(150, 160, 170);
const QColor kPaper(250, 250, 250);

void pen(QPainter& p, const QColor& colour, double width = 1.0) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill) {
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

// A thick arrow along a line, its head at `to`.
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    pen(p, colour, 2.0);
    const QLineF line(from, to);
    QLineF back(to, from);
    back.setLength(3.5);
    p.drawLine(QLineF(from, back.p2()));
    QLineF side1 = back, side2 = back;
    side1.setAngle(back.angle() + 35);
    side2.setAngle(back.angle() - 35);
    pen(p, colour, 1.0);
    polygon(p, {to, side1.p2(), side2.p2()}, colour);
}

// Letters of pixelSize on the grid, centred in box, in the painter's own font: the
// application's, which the menus have loaded already; a font of another size or
// weight would be loaded for these few pixels alone. Drawn twice, half a unit apart,
// they read as bold.
void letters(QPainter& p, const QRectF& box, const QString& text, double pixelSize) {
    const double scale = pixelSize / p.fontInfo().pixelSize();
    const QRectF area(box.topLeft() / scale, box.size() / scale);
    p.save();
    p.scale(scale, scale);
    p.drawText(area, Qt::AlignCenter, text);
    p.drawText(area.translated(0.5 / scale, 0), Qt::AlignCenter, text);
    p.restore();
}

// The device: a grey box with a row of indicator lamps.
void device(QPainter& p, const QRectF& r) {
    pen(p, kInk);
    p.setBrush(kDevice);
    p.drawRoundedRect(r, 1, 1);
    p.setBrush(QColor(80, 220, 80));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 2; ++i)
        p.drawEllipse(QPointF(r.left() + 2.2 + 2.6 * i, r.top() + 2.2), 0.9, 0.9);
}

void openFile(QPainter& p) {
    pen(p, kInk);
    polygon(p, {{1.5, 3.5}, {5.5, 3.5}, {7, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}, kFolder);
    polygon(p, {{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}, kFolder.lighter(125));
}

void saveFile(QPainter& p) {
    pen(p, kInk);
    polygon(p, {{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}, kBlue);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kDevice);
    p.drawRect(QRectF(4, 9.5, 8, 5));
    p.fillRect(QRectF(9, 2.5, 1.5, 3), kInk);
}

void readDevice(QPainter& p) {
    device(p, {8.5, 2.5, 7, 11});
    arrow(p, {9, 9}, {1, 9}, kGreen);
}

void writeDevice(QPainter& p) {
    device(p, {8.5, 2.5, 7, 11});
    arrow(p, {0.5, 9}, {12.5, 9}, kRed);
}

void exitDoor(QPainter& p) {
    pen(p, kInk);
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(2.5, 1.5, 8, 13));
    arrow(p, {7, 8}, {15.5, 8}, kRed);
}

void printer(QPainter& p) {
    pen(p, kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kDevice);
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.drawLine(QPointF(6, 12.5), QPointF(10, 12.5));
}

void key(QPainter& p) {
    pen(p, kInk);
    p.setBrush(kFolder);
    p.drawEllipse(QPointF(4.5, 8), 3.2, 3.2);
    polygon(p, {{7.5, 7}, {15, 7}, {15, 9}, {14, 9}, {14, 11}, {12.5, 11}, {12.5, 9}, {7.5, 9}},
            kFolder);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(3.8, 8), 1, 1);
}

// Light-panel lamp: the signalling of a row.
void lamp(QPainter& p) {
    pen(p, kRed, 1.2);
    for (int i = 0; i < 8; ++i) {
        QLineF ray(QPointF(8, 7), QPointF(8, 0.8));
        ray.setAngle(90 + 45 * i);
        ray.setP1(ray.pointAt(0.65));
        if (i != 6)
            p.drawLine(ray);
    }
    pen(p, kInk);
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(8, 7), 3.5, 3.5);
    p.setBrush(kDevice);
    p.drawRect(QRectF(6, 11, 4, 3.5));
}

// Relay: coil and the contact it switches.
void relay(QPainter& p) {
    pen(p, kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 4.5, 5, 7));
    p.drawLine(QPointF(1.5, 11.5), QPointF(6.5, 4.5));
    pen(p, kRed, 1.3);
    p.drawLine(QPointF(8.5, 12), QPointF(10.5, 12));
    p.drawLine(QPointF(13, 12), QPointF(15.5, 12));
    p.drawLine(QPointF(10.5, 12), QPointF(14, 7));
    pen(p, kInk, 1.0);
    p.setPen(QPen(kInk, 0.8, Qt::DashLine));
    p.drawLine(QPointF(6.5, 8), QPointF(12, 9.5));
}

void padlock(QPainter& p) {
    pen(p, kInk, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 1.5, 7, 9), 0, 180 * 16);
    p.drawLine(QPointF(4.5, 6), QPointF(4.5, 8));
    p.drawLine(QPointF(11.5, 6), QPointF(11.5, 8));
    pen(p, kInk);
    p.setBrush(kFolder);
    p.drawRect(QRectF(2.5, 7.5, 11, 7));
}

// Delay: a stopwatch.
void stopwatch(QPainter& p) {
    pen(p, kInk);
    p.setBrush(kDevice);
    p.drawRect(QRectF(6.5, 0.5, 3, 2));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 9), 6, 6);
    pen(p, kBlue, 1.4);
    p.drawLine(QPointF(8, 9), QPointF(8, 5));
    p.drawLine(QPointF(8, 9), QPointF(11, 10.5));
}

void pulseTimer(QPainter& p) {
    pen(p, kBlue, 1.4);
    p.drawPolyline(
        QPolygonF({{0.5, 12.5}, {4, 12.5}, {4, 3.5}, {11, 3.5}, {11, 12.5}, {15.5, 12.5}}));
}

// Function block: the AND gate box.
void andBlock(QPainter& p) {
    pen(p, kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    for (double y : {4.5, 11.5})
        p.drawLine(QPointF(0.5, y), QPointF(3.5, y));
    p.drawLine(QPointF(12.5, 8), QPointF(15.5, 8));
    letters(p, QRectF(3.5, 1.5, 9, 13), "&", 9);
}

void calendar(QPainter& p) {
    pen(p, kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.fillRect(QRectF(2, 3, 12, 3), kRed);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.fillRect(QRectF(3.5 + 3.5 * col, 8 + 3 * row, 2, 1.8), kInk);
}

// Text attributes: a name label with a text cursor.
void nameLabel(QPainter& p) {
    pen(p, kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 3.5, 15, 9));
    p.setPen(kBlue);
    letters(p, QRectF(1, 3.5, 10, 9), "Аб", 8);
    pen(p, kInk);
    p.drawLine(QPointF(12.5, 5), QPointF(12.5, 11));
}

void helpMark(QPainter& p) {
    pen(p, kBlue.darker(130));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(Qt::white);
    letters(p, QRectF(1, 1, 14, 14), "?", 12);
}

// Port settings: a serial connector.
void serialConnector(QPainter& p) {
    pen(p, kInk);
    polygon(p, {{0.5, 4.5}, {15.5, 4.5}, {13.5, 11.5}, {2.5, 11.5}}, kDevice);
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(3.5 + 2.25 * i, 6.8), 0.7, 0.7);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(4.6 + 2.25 * i, 9.2), 0.7, 0.7);
}

// A new scheme: a blank sheet with a folded corner and a star.
void newSheet(QPainter& p) {
    pen(p, kInk);
    polygon(p, {{2.5, 1.5}, {9.5, 1.5}, {13.5, 5.5}, {13.5, 14.5}, {2.5, 14.5}}, kPaper);
    polygon(p, {{9.5, 1.5}, {9.5, 5.5}, {13.5, 5.5}}, kDevice);
    pen(p, QColor(230, 160, 0), 1.4);
    for (int i = 0; i < 4; ++i) {
        QLineF ray(QPointF(6.5, 10), QPointF(6.5, 7));
        ray.setAngle(90 + 45 * i);
        p.drawLine(QLineF(ray.pointAt(-1), ray.p2()));
    }
}

// Undo: an arrow turning back to the left; redo is its mirror image.
void turnBack(QPainter& p) {
    pen(p, kBlue, 2.0);
    p.setBrush(Qt::NoBrush);
    QPainterPath path(QPointF(5, 6));
    path.cubicTo(QPointF(9, 3), QPointF(14, 5), QPointF(13, 10));
    path.cubicTo(QPointF(12.5, 12.5), QPointF(10.5, 13.5), QPointF(8.5, 13.5));
    p.drawPath(path);
    pen(p, kBlue, 1.0);
    polygon(p, {{1.5, 6.5}, {6.5, 2.5}, {6.5, 9.5}}, kBlue);
}
void undoArrow(QPainter& p) {
    turnBack(p);
}
void redoArrow(QPainter& p) {
    p.translate(16, 0);
    p.scale(-1, 1);
    turnBack(p);
}

using Drawing = void (*)(QPainter&);
const Drawing kDrawings[kToolImageCount] = {
    openFile,  saveFile, readDevice,      writeDevice, exitDoor,   printer,   key,
    lamp,      relay,    padlock,         stopwatch,   pulseTimer, andBlock,  calendar,
    nameLabel, helpMark, serialConnector, newSheet,    undoArrow,  redoArrow,
};

class ToolImageEngine : public QIconEngine {
public:
    explicit ToolImageEngine(int index) : index_(index) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, QIcon::Off));
    }

    // Asked for the device pixels a button needs, so every scale is drawn afresh.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap image(size);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size.width() / 16.0, size.height() / 16.0);
            kDrawings[index_](p);
        }
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            return QApplication::style()->generatedIconPixmap(mode, image, &option);
        }
        return image;
    }

    QIconEngine* clone() const override { return new ToolImageEngine(index_); }

private:
    int index_;
};

} // namespace

QIcon ToolImage(int index) {
    Q_ASSERT(index >= 0 && index < kToolImageCount);
    return QIcon(new ToolImageEngine(index));
}
