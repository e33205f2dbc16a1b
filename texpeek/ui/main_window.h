#pragma once

#include "common/ui/dialogs.h"
#include "texpeek/core/dds_file.h"
#include "texpeek/core/dds_header.h"
#include "texpeek/core/pixels.h"
#include "texpeek/core/zoom.h"

#include <QMainWindow>
#include <QPointF>
#include <QPointer>

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QComboBox;
class QIcon;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QScrollArea;
class QToolBar;

namespace suite {
class RecentFiles;
}

namespace texpeek {

class CompareWindow;
class InterpretationStrip;
class OpenJob;
class PictureArea;
class ProgressReporter;

// Texpeek's one window: opens a DDS file, reports its header, and shows any
// of its surfaces in colour or as one of its channels at several zoom steps.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens `path` as if it had been chosen in the open dialog.
    void openFile(const QString& path);

    // The commands, as the menus and the toolbar run them.
    void Abrir();
    void Fechar();
    void showRGB();
    void showAlpha();
    void showChannel(ChannelView view);
    // Shows the surface at `level` and `choice` (face, array element or
    // volume slice) in the view on show.
    void showSurface(int level, int choice);
    // Reads the surface on show again under `interpretation`, as one click
    // in the strip under the picture does.
    void reinterpret(const Interpretation& interpretation);
    const Interpretation& interpretation() const { return interpretation_; }
    void setFitToWindow(bool fit);
    // Writes the picture on show as a PNG file the user names.
    void saveImage();
    void copyImage();
    // Asks for a second file and compares the picture on show with it;
    // compareWith does so for `path`.
    void compareImage();
    void compareWith(const QString& path);
    CompareWindow* compareWindow() const;
    void ZoomIn(std::int16_t factor);
    void ZoomOut(std::int16_t factor);
    void Sobre();

    // Toolbar positions 1 to 10; 3, 6 and 9 run nothing.
    void tb_ButtonClick(int position);
    QAction* toolbarButton(int position) const;

    std::int16_t cellSize() const { return cellSize_; }
    // The picture on show, one pixel per image pixel, as saved and copied.
    QImage viewImage() const;
    // Asks a running open or surface choice to stop, as Esc does.
    void cancelOpen();

signals:
    // A long open or surface choice has started on its own thread.
    void decodingStarted();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class Command { Close, ZoomIn, ZoomOut, Colour, Alpha };

    void buildMenus();
    void retranslate();
    void updateTitle();
    void buildToolbar();
    void buildBody();
    void Limpar();
    void setCommandEnabled(Command command, bool enabled);
    void openSteps(const QString& path);
    void failOpen(std::exception_ptr failure);
    void setStatus(std::function<QString()> text);
    void fillSurfaceChoices();
    void updateChoiceLabel();
    void showPixel(std::optional<QPoint> pixel);
    void rememberRecent(const QString& path);
    void setImageCommandsEnabled(bool enabled);
    void drawView(ChannelView view, bool reportProgress);
    void writeSummary();
    QPointF visibleCentre() const;
    void scrollToCentre(QPointF centre);
    void zoom(ZoomDirection direction, std::int16_t factor);
    bool decodeShown(int level, int choice, Interpretation interpretation);

    QString programDir_;
    suite::Dialogs& dialogs_;

    QString openedPath_;
    // The path the title names; empty while no file is on show.
    QString titledPath_;
    std::function<QString()> status_;
    DdsHeader header_;
    std::shared_ptr<const DdsFile> file_;
    // Shared with the colour view's screen image, which is laid over it.
    std::shared_ptr<const ImageGrid> grid_;
    Interpretation interpretation_;
    int level_ = 0;
    int choice_ = 0;
    bool busy_ = false;
    bool closeWhenDone_ = false;
    std::int16_t cellSize_ = 15;
    // The view image last built and which view it is, so that a zoom step in
    // the view already built only changes the scale.
    QImage view_;
    std::optional<ChannelView> viewKind_;

    std::map<QString, QIcon> img_;
    std::array<QAction*, 11> tbButtons_{};
    QToolBar* tb_ = nullptr;

    QMenu* menArq_ = nullptr;
    QAction* menAbrir_ = nullptr;
    QAction* menFechar_ = nullptr;
    QAction* menSair_ = nullptr;
    QMenu* menExibir_ = nullptr;
    QAction* menRGB_ = nullptr;
    QAction* menAlpha_ = nullptr;
    QAction* menZoomPlus_ = nullptr;
    QAction* menZoomMinus_ = nullptr;
    QAction* menRed_ = nullptr;
    QAction* menGreen_ = nullptr;
    QAction* menBlue_ = nullptr;
    QAction* menAjustar_ = nullptr;
    QAction* menSalvarImagem_ = nullptr;
    QAction* menCopiar_ = nullptr;
    QAction* menComparar_ = nullptr;
    QMenu* menRecentes_ = nullptr;
    QMenu* menAjuda_ = nullptr;
    QAction* menSobre_ = nullptr;

    QLabel* lblAltura_ = nullptr;
    QLabel* lblLargura_ = nullptr;
    QLabel* lblFormato_ = nullptr;
    QLabel* lblTamanho_ = nullptr;
    QLabel* lblBits_ = nullptr;
    QListWidget* List1_ = nullptr;
    QLabel* lblArquivo_ = nullptr;
    QLabel* lblPercent_ = nullptr;
    QProgressBar* pb_ = nullptr;
    QScrollArea* picScroll_ = nullptr;
    PictureArea* Pic_ = nullptr;
    QLabel* lblNivel_ = nullptr;
    QComboBox* cboNivel_ = nullptr;
    QLabel* lblFace_ = nullptr;
    QComboBox* cboFace_ = nullptr;
    QLabel* lblPixel_ = nullptr;
    InterpretationStrip* fraLeitura_ = nullptr;
    QPointer<CompareWindow> compare_;
    std::unique_ptr<ProgressReporter> progress_;
    OpenJob* job_ = nullptr;
    suite::RecentFiles* recent_ = nullptr;
};

} // namespace texpeek
