// The star template overlay and its matching rotation.
//
// The template image has one pixel per frame pixel at zoom 1.0 and the pole star
// at its centre. It is drawn centred on the last double-clicked point (pickPos,
// label pixels) and turned by templateAngle, which both match sliders share.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "capture/liveviewstate.h"
#include "starmath/starmath.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTransform>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

void MainWindow::rotateTemplate(int angle)
{
    QLabel *templ = ui->label_templateImg;
    // Hidden means the current step has no template; checked on the widget's own
    // state so that a window not (yet) on screen still draws it.
    if (templ->isHidden())
        return;

    const QImage &mask = regionMask(region == QLatin1String("South"));
    if (mask.isNull())
        return;
    const QImage scaled = styledImage(mask.scaled(int(mask.width() * zoomFactor), int(mask.height() * zoomFactor),
                                                  Qt::KeepAspectRatio, Qt::SmoothTransformation));
    // Qt's rotation turns clockwise on screen, like RotatePoint.
    const QImage rotated = scaled.transformed(QTransform().rotate(angle), Qt::SmoothTransformation);

    const QPoint centre = rotated.rect().center();
    templ->setGeometry(pickPos.x() - centre.x(), pickPos.y() - centre.y(), rotated.width(), rotated.height());
    templ->setPixmap(QPixmap::fromImage(rotated));
}

void MainWindow::showTemplateImage(float zoom, QString region)
{
    const QImage *mask = nullptr;
    if (region == QLatin1String("South"))
        mask = &regionMask(true);
    else if (region == QLatin1String("North"))
        mask = &regionMask(false);
    if (!mask || mask->isNull())
        return;

    const int w = int(mask->width() * zoom);
    const int h = int(mask->height() * zoom);
    const QImage scaled = mask->scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const int left = int(pickFramePos.x() * zoom - w / 2);
    const int top = int(pickFramePos.y() * zoom - h / 2);
    ui->label_templateImg->setGeometry(left, top, w, h);
    ui->label_templateImg->setPixmap(QPixmap::fromImage(styledImage(scaled)));
}

void MainWindow::scaleDirectionArrow(float zoom)
{
    const QPixmap arrow = styledPixmap(QStringLiteral(":/images/direction.png"));
    if (arrow.isNull() || !directionArrow)
        return;
    directionArrow->setPixmap(arrow.scaled(int(arrow.width() * zoom), int(arrow.height() * zoom),
                                           Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// The pole star must stand where the true pole falls on the axis centre: the axis
// centre minus the template's pole-star-to-pole vector, turned by the match angle.
void MainWindow::updateExpectedPole()
{
    double px = 0.0;
    double py = 0.0;
    starMath.RotatePoint(templateAngle, curMaskPole.x(), curMaskPole.y(), curMaskB.x(), curMaskB.y(), &px, &py);
    const QPointF axis = liveViewState.get(&LiveView::axisCenter);
    const QPointF expected(axis.x() + (curMaskB.x() - px), axis.y() + (curMaskB.y() - py));
    liveViewState.set(&LiveView::expectedPole, expected);
    ui->label_eptPos->setText(QStringLiteral("(") + QString::number(expected.x(), 'f', 1) + QStringLiteral(",") +
                              QString::number(expected.y(), 'f', 1) + QStringLiteral(")"));
}

void MainWindow::on_horizontalSlider_confirm_match_valueChanged(int value)
{
    templateAngle = value;
    rotateTemplate(value);
}

void MainWindow::on_horizontalSlider_rough_match_valueChanged(int value)
{
    templateAngle = value;
    rotateTemplate(value);
    updateExpectedPole();
}

// The buttons step the shared angle, not their slider's own value, and redraw
// through the slider's valueChanged.
void MainWindow::on_pushButton_confirm_minus_clicked()
{
    templateAngle = qMax(0, templateAngle - 1);
    ui->horizontalSlider_confirm_match->setValue(templateAngle);
}

void MainWindow::on_pushButton_confirm_add_clicked()
{
    templateAngle = qMin(360, templateAngle + 1);
    ui->horizontalSlider_confirm_match->setValue(templateAngle);
}

void MainWindow::on_pushButton_rough_minus_clicked()
{
    templateAngle = qMax(0, templateAngle - 1);
    ui->horizontalSlider_rough_match->setValue(templateAngle);
}

void MainWindow::on_pushButton_rough_add_clicked()
{
    templateAngle = qMin(360, templateAngle + 1);
    ui->horizontalSlider_rough_match->setValue(templateAngle);
}

namespace {

// Arrow keys step the match angle by one degree, by ten with Shift.
class AngleKeys : public QObject
{
public:
    AngleKeys(QObject *parent, std::function<void(int)> step) : QObject(parent), step(std::move(step)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        int direction = 0;
        if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Up)
            direction = 1;
        else if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Down)
            direction = -1;
        else
            return false;
        step(direction * ((key->modifiers() & Qt::ShiftModifier) ? 10 : 1));
        return true;
    }

private:
    std::function<void(int)> step;
};

// A number box that shows and takes the angle, under the row's "Rotate" label so
// that the panel keeps its width.
QSpinBox *addAngleBox(QSlider *slider, const char *name)
{
    QWidget *group = slider->parentWidget();
    auto *grid = qobject_cast<QGridLayout *>(group->layout());
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(slider), &row, &column, &rowSpan, &columnSpan);
    auto *cell = new QWidget(group);
    auto *stack = new QVBoxLayout(cell);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(2);
    if (QLayoutItem *item = grid->itemAtPosition(row, 0); item && item->widget()) {
        QWidget *label = item->widget();
        grid->removeWidget(label);
        stack->addWidget(label);
    }
    auto *box = new QSpinBox(cell);
    box->setObjectName(QLatin1String(name));
    box->setRange(slider->minimum(), slider->maximum());
    box->setSuffix(QStringLiteral("\u00b0"));
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(42);
    stack->addWidget(box);
    grid->addWidget(cell, row, 0);
    QObject::connect(slider, &QSlider::valueChanged, box, [box](int value) {
        const QSignalBlocker blocker(box);
        box->setValue(value);
    });
    QObject::connect(box, QOverload<int>::of(&QSpinBox::valueChanged), slider, &QSlider::setValue);
    return box;
}

} // namespace

void MainWindow::setupAngleControls()
{
    const std::pair<QSlider *, const char *> sliders[] = {{ui->horizontalSlider_confirm_match, "spinBox_confirm_angle"},
                                                          {ui->horizontalSlider_rough_match, "spinBox_rough_angle"}};
    for (const auto &entry : sliders) {
        QSlider *slider = entry.first;
        QSpinBox *box = addAngleBox(slider, entry.second);
        auto *keys = new AngleKeys(slider, [this, slider](int delta) {
            slider->setValue(std::clamp(templateAngle + delta, slider->minimum(), slider->maximum()));
        });
        slider->installEventFilter(keys);
        box->installEventFilter(keys);
        (slider == ui->horizontalSlider_confirm_match ? confirmAngleBox : roughAngleBox) = box;
    }
}

// After the template is laid on the star, the keys turn it straight away.
void MainWindow::focusAngleBox()
{
    QSpinBox *box = currentStep == 2 ? confirmAngleBox : roughAngleBox;
    if (box)
        box->setFocus();
}
