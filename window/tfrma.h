#pragma once

#include "game/game.h"
#include "opponents/choice.h"

#include <QImage>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class QAction;
class QDialog;
class QFrame;
class QMenu;
class QMimeData;

namespace platform
{
class Sound;
}

namespace window
{

class ImageControl;
class HelpViewer;

// The main window: the green table with its 36 cells, the human's hand along the bottom and
// the computers' backs at the sides. It owns the state of play and turns the player's mouse,
// keys and menu into calls on it, and its results into pictures, sound and the timer.
class TFrmA : public QMainWindow
{
    Q_OBJECT
public:
    TFrmA(platform::Sound& sound, std::uint32_t seed);
    ~TFrmA() override;

    // The dialogs are made after the main window; it only shows them.
    void SetDialogs(QDialog* about, QDialog* backs, QDialog* statistics);

    const game::Game& State() const { return game_; }
    game::Game& State() { return game_; }
    opponents::Level Level() const;

    // Controls, by the numbers the game gives them.
    ImageControl* Image(int cell) const { return cells_.at(static_cast<std::size_t>(cell - 1)); }
    ImageControl* Gamer(int slot) const { return gamers_.at(static_cast<std::size_t>(slot - 1)); }
    ImageControl* John(int slot) const { return johns_.at(static_cast<std::size_t>(slot - 1)); }
    ImageControl* Harry(int slot) const { return harrys_.at(static_cast<std::size_t>(slot - 1)); }

    QTimer Timer1;

    // The window's event handlers.
    void NewGame();
    void Timer1Timer();
    void Gamer1MouseMove(ImageControl* image);
    void Gamer1MouseDown(ImageControl* image);
    bool Image1DragOver(ImageControl* cell, QObject* source, const QMimeData& data) const;
    // Lays the dragged card if the cell accepts it; returns whether it did.
    bool Image1DragDrop(ImageControl* cell, QObject* source, const QMimeData& data);
    void FormKeyDown(int key);
    void FormResize();

    // The menu's commands.
    void ANewClick();
    void AResultsClick();
    void ARubClick();
    void AExitClick();
    void AHelpClick();
    void AAboutClick();

    QMenu* AGame = nullptr;
    QAction* ANew = nullptr;
    QAction* AResults = nullptr;
    QMenu* ALevel = nullptr;
    QAction* ALow = nullptr;
    QAction* AHigh = nullptr;
    QAction* ASound = nullptr;
    QAction* ARub = nullptr;
    QAction* AExit = nullptr;
    QMenu* ASpravka = nullptr;
    QAction* AHelp = nullptr;
    QAction* AAbout = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTable();
    void buildMenu();
    // Follows the computers' phase of the game with the one real timer; a running timer is
    // never restarted, so a tick already under way keeps its time.
    void syncTimer();
    void playLayingSound();
    // The hand slot whose card the cell would take from this drag, or 0 when it refuses.
    int acceptedSlot(const ImageControl* cell, QObject* source, const QMimeData& data) const;

    platform::Sound& sound_;
    std::shared_ptr<const game::MasterDeck> masterDeck_;
    game::Game game_;

    QString RubL = QStringLiteral("RubL1");
    QString RubR = QStringLiteral("RubR1");
    QImage NoneImage;
    QImage LeftBack;
    QImage RightBack;

    QFrame* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr;
    QWidget* Panel5 = nullptr;
    std::array<ImageControl*, game::TableCells> cells_{};
    std::array<ImageControl*, game::HandSlots> gamers_{};
    std::array<ImageControl*, game::HandSlots> johns_{};
    std::array<ImageControl*, game::HandSlots> harrys_{};

    QDialog* FrmB = nullptr;
    QDialog* FrmC = nullptr;
    QDialog* FrmD = nullptr;
    HelpViewer* help_ = nullptr;
};

// The number at the end of a control's name: "Gamer5" gives 5, "Image36" 36; a name that is
// not five letters and one or two digits gives 0.
int NumberInName(const QString& name);

} // namespace window
