#include "window/tfrma.h"

#include "assets/pictures.h"
#include "platform/sound.h"
#include "window/help_viewer.h"
#include "window/image_control.h"
#include "window/layout.h"

#include <QApplication>
#include <QFrame>
#include <QMenuBar>

namespace window
{

namespace
{

constexpr int Timer1Interval = 450; // ms between two computer moves
const QColor TableGreen(0, 128, 0);

QWidget* greenPanel(const QString& name, const QRect& rect, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(rect);
    panel->setAutoFillBackground(true);
    return panel;
}

// Pictures are kept in the screen's own format, so that laying them on a control is a
// plain copy.
QImage loadPicture(const QString& name)
{
    return assets::LoadPicture(name).convertToFormat(QImage::Format_RGB32);
}

// A back named by the settings; an unknown name falls back to the first design.
QImage loadBack(const QString& name, const QString& fallback)
{
    QImage back = loadPicture(name);
    return back.isNull() ? loadPicture(fallback) : back;
}

} // namespace

TFrmA::TFrmA(platform::Sound& sound, std::uint32_t seed)
    : sound_(sound), masterDeck_(std::make_shared<const game::MasterDeck>(loadPicture)),
      game_(masterDeck_, seed)
{
    setObjectName(QStringLiteral("FrmA"));
    setWindowTitle(QStringLiteral("Тавлен++"));
    setWindowIcon(QIcon(QPixmap::fromImage(assets::LoadPicture(QStringLiteral("MAINICON")))));
    buildMenu();
    buildTable();

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(Timer1Interval);
    connect(&Timer1, &QTimer::timeout, this, &TFrmA::Timer1Timer);
    qApp->installEventFilter(this);

    LeftBack = loadBack(RubL, QStringLiteral("RubL1"));
    RightBack = loadBack(RubR, QStringLiteral("RubR1"));
    NoneImage = loadPicture(QStringLiteral("None"));
    NewGame();
}

TFrmA::~TFrmA() = default;

void TFrmA::SetDialogs(QDialog* about, QDialog* backs, QDialog* statistics)
{
    FrmB = about;
    FrmC = backs;
    FrmD = statistics;
}

void TFrmA::buildTable()
{
    using namespace layout;
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setMinimumSize(DesignedClientWidth, DesignedClientHeight);
    QPalette green = Panel1->palette();
    green.setColor(QPalette::Window, TableGreen);
    Panel1->setPalette(green);
    Panel1->setAutoFillBackground(true);
    setCentralWidget(Panel1);

    Panel2 = greenPanel(QStringLiteral("Panel2"), Panel2Rect, Panel1);
    Panel3 = greenPanel(QStringLiteral("Panel3"), Panel3Rect, Panel1);
    Panel4 = greenPanel(QStringLiteral("Panel4"), Panel4Rect, Panel1);
    Panel5 = greenPanel(QStringLiteral("Panel5"), Panel5Rect, Panel1);

    const QSize faceSize(assets::FaceWidth, assets::FaceHeight);
    const QSize backSize(assets::BackWidth, assets::BackHeight);
    for (int n = 1; n <= game::TableCells; ++n) {
        auto* cell = new ImageControl(QStringLiteral("Image%1").arg(n), faceSize, Panel2);
        cell->move(CellPosition(n));
        cell->setAcceptDrops(true);
        cell->onDragOver = [this, cell](QObject* source, const QMimeData& data) {
            return Image1DragOver(cell, source, data);
        };
        cell->onDragDrop = [this, cell](QObject* source, const QMimeData& data) {
            return Image1DragDrop(cell, source, data);
        };
        cells_[static_cast<std::size_t>(n - 1)] = cell;
    }
    // Made in slot order, so the higher number lies on top where the cards overlap.
    for (int k = 1; k <= game::HandSlots; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        auto* gamer = new ImageControl(QStringLiteral("Gamer%1").arg(k), faceSize, Panel3);
        gamer->move(HandPosition(k));
        gamer->onMouseMove = [this, gamer] { Gamer1MouseMove(gamer); };
        gamer->onMouseDown = [this, gamer] { Gamer1MouseDown(gamer); };
        gamers_[i] = gamer;
        johns_[i] = new ImageControl(QStringLiteral("John%1").arg(k), backSize, Panel4);
        johns_[i]->move(BackPosition(k));
        harrys_[i] = new ImageControl(QStringLiteral("Harry%1").arg(k), backSize, Panel5);
        harrys_[i]->move(BackPosition(k));
    }
    // The designed client area, below the menu bar; the window never gets smaller.
    resize(minimumSizeHint());
}

void TFrmA::NewGame()
{
    for (ImageControl* cell : cells_)
        cell->CopyPicture(NoneImage);
    game_.NewGame();
    for (int k = 1; k <= game::HandSlots; ++k)
        Gamer(k)->DrawPicture(*game_.GamerHand[k].Face);
    for (ImageControl* john : johns_)
        john->DrawPicture(LeftBack);
    for (ImageControl* harry : harrys_)
        harry->DrawPicture(RightBack);
    syncTimer();
}

opponents::Level TFrmA::Level() const
{
    return AHigh->isChecked() ? opponents::Level::High : opponents::Level::Low;
}

void TFrmA::syncTimer()
{
    if (game_.ComputersMoving() && !Timer1.isActive())
        Timer1.start();
    else if (!game_.ComputersMoving() && Timer1.isActive())
        Timer1.stop();
}

void TFrmA::playLayingSound()
{
    if (ASound->isChecked())
        sound_.PlaySound();
}

void TFrmA::FormResize()
{
    const layout::PanelPlacement p = layout::FormResize(Panel1->size());
    Panel4->setVisible(p.sidesVisible);
    Panel5->setVisible(p.sidesVisible);
    Panel3->setVisible(p.handVisible);
    Panel2->move(p.table);
    Panel3->move(p.hand);
    Panel5->move(p.right);
    Panel4->move(p.left);
}

} // namespace window
