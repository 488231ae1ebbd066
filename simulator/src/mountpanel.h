// The virtual mount panel: a small window of the simulated camera, shown while
// it is open, to turn the RA axis, work the bolts and read the truth.
#ifndef TAVRINSIM_MOUNTPANEL_H
#define TAVRINSIM_MOUNTPANEL_H

#include "tavrinsim.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDial;
class QDoubleSpinBox;
class QLabel;

namespace tavrinsim {

class MountPanel : public QWidget {
    Q_OBJECT
public:
    MountPanel();
    ~MountPanel() override;

private slots:
    void refresh();

private:
    void change(void (*apply)(MountParams &, double), double value);
    QComboBox *hemisphere_ = nullptr;
    QDial *dial_ = nullptr;
    QLabel *raLabel_ = nullptr;
    QCheckBox *tracking_ = nullptr;
    QCheckBox *refraction_ = nullptr;
    QComboBox *clockRate_ = nullptr;
    QDoubleSpinBox *seeing_ = nullptr;
    QLabel *truth_ = nullptr;
};

namespace panel {
// Both may be called from any thread; the window lives on the GUI thread.
void cameraOpened(PanelMode mode);
void cameraClosed();
bool visible();
}  // namespace panel

}  // namespace tavrinsim

#endif
