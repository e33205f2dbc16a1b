#include "pivotel/ui/form1.h"
#include "pivotel/ui/button_room.h"
#include "pivotel/ui/core_texts.h"

#include "pivotel/core/sprite_frames.h"
#include "pivotel/ui/sprite_preview.h"
#include "pivotel/ui/workshop.h"

#include "pivotel/core/sprite_model.h"

#include "common/ui/dialogs.h"
#include "common/ui/language.h"
#include "common/ui/text.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

namespace pivotel {
namespace {

const char* const kFilter = QT_TRANSLATE_NOOP("pivotel::Form1", "Sprites (.spr)|*.spr");

// The descriptions are read as they were always written; the fourth repeats
// "uma" at its joint. The fifth type turns with the viewer like "Common" and
// is then rolled by the entity's angles.
const std::array<const char*, kOrientations.size()> kDescriptions{
    QT_TRANSLATE_NOOP("pivotel::Form1", "Esse sprite também fica sempre voltado para o player, mas "
                                        "ele trava eixo Z ( vertical )."),
    QT_TRANSLATE_NOOP("pivotel::Form1",
                      "Esse sprite tem a mesma função do 'Side View', exceto que quando"
                      " o player se aproxima dele, ele rotaciona a sua face para uma "
                      "determinada direção."),
    QT_TRANSLATE_NOOP("pivotel::Form1",
                      "Sprite comum do Half Life. Sempre com sua face voltada para o player."),
    QT_TRANSLATE_NOOP("pivotel::Form1",
                      "Trava totalmente o sprite. Sua face sempre fica voltada para uma "
                      "uma mesma direção, que é determinada pelo 'Angle' do env_sprite."),
    QT_TRANSLATE_NOOP("pivotel::Form1",
                      "Sempre com sua face voltada para o player, como o 'Common', mas "
                      "girado em torno do próprio centro pelo 'Roll' do 'Angles' do env_sprite."),
};

// The same order as kOrientations, whose words are the source texts.
const std::array<const char*, kOrientations.size()> kCaptions{
    QT_TRANSLATE_NOOP("pivotel::Form1", "Side View"),
    QT_TRANSLATE_NOOP("pivotel::Form1", "Flipper"),
    QT_TRANSLATE_NOOP("pivotel::Form1", "Common"),
    QT_TRANSLATE_NOOP("pivotel::Form1", "Fixed Direction"),
    QT_TRANSLATE_NOOP("pivotel::Form1", "Parallel Oriented"),
};
const std::array<const char*, kOrientations.size()> kTypeTexts{
    QT_TRANSLATE_NOOP("pivotel::Form1", "Side View Sprite"),
    QT_TRANSLATE_NOOP("pivotel::Form1", "Flipper Sprite"),
    QT_TRANSLATE_NOOP("pivotel::Form1", "Common Sprite"),
    QT_TRANSLATE_NOOP("pivotel::Form1", "Fixed Direction Sprite"),
    QT_TRANSLATE_NOOP("pivotel::Form1", "Parallel Oriented Sprite"),
};

// Lines end in LF then CR, as the About text was always written.
const char* const kAboutText = QT_TRANSLATE_NOOP("pivotel::Form1", "Tavrin Sprite Axis Editor\n\r"
                                                                   "Made by Tavrin\n\r"
                                                                   "Built with C++ and Qt 6");

} // namespace

Form1::Form1(suite::Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setAcceptDrops(true);
    buildControls();
    retranslate();

    connect(cmbPath, &QPushButton::clicked, this, &Form1::cmbPath_Click);
    connect(cmbGet, &QPushButton::clicked, this, &Form1::cmbGet_Click);
    connect(cmbSave, &QPushButton::clicked, this, &Form1::cmbSave_Click);
    connect(cmbSaveAs, &QPushButton::clicked, this, &Form1::cmbSaveAs_Click);
    connect(cmbAbout, &QPushButton::clicked, this, &Form1::cmbAbout_Click);
    connect(cmbWorkshop, &QPushButton::clicked, this, &Form1::cmbWorkshop_Click);
}

Form1::~Form1()
{
    delete workshop_;
}

Workshop* Form1::workshop()
{
    if (!workshop_)
        workshop_ = new Workshop(dialogs_);
    return workshop_;
}

void Form1::cmbWorkshop_Click()
{
    // The sprite last read, when it holds together, is the workshop's start.
    if (sprite_ && sprite_->isSprite()) {
        std::string error;
        if (const std::optional<SpriteModel> model = parseSprite(sprite_->bytes(), &error))
            workshop()->loadSprite(*model);
        else
            dialogs_.message(
                this, suite::MessageIcon::Exclamation, tr("Error"),
                tr("The frames of this sprite cannot be edited: %1").arg(coreText(error)));
    }
    workshop()->show();
    workshop()->raise();
}

void Form1::buildControls()
{
    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };

    Frame1 = named(new QGroupBox(this), "Frame1");
    txtPath = named(new QLineEdit(Frame1), "txtPath");
    cmbPath = named(new QPushButton(QStringLiteral("..."), Frame1), "cmbPath");
    cmbPath->setFixedWidth(cmbPath->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    cmbGet = named(new QPushButton(Frame1), "cmbGet");
    Label2 = named(new QLabel(Frame1), "Label2");
    auto* locationLayout = new QGridLayout(Frame1);
    locationLayout->addWidget(txtPath, 0, 0);
    locationLayout->addWidget(cmbPath, 0, 1);
    locationLayout->addWidget(Label2, 1, 0);
    locationLayout->addWidget(cmbGet, 1, 0, 1, 2, Qt::AlignRight);

    Frame2 = named(new QGroupBox(this), "Frame2");
    Frame2->setMouseTracking(true);
    Frame2->installEventFilter(this);
    auto* axisLayout = new QVBoxLayout(Frame2);
    for (std::size_t i = 0; i < options_.size(); ++i) {
        auto* option = new QRadioButton(Frame2);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setEnabled(false);
        // A move over an option must not reach the frame, which clears the
        // description.
        option->setMouseTracking(true);
        option->setAttribute(Qt::WA_NoMousePropagation);
        // Focus describes an option too, for those who move with the keys.
        option->installEventFilter(this);
        axisLayout->addWidget(option);
        options_[i] = option;
    }
    axisLayout->addStretch();

    Frame3 = named(new QGroupBox(this), "Frame3");
    Label1 = named(new QLabel(Frame3), "Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setMinimumWidth(220);
    auto* descriptionLayout = new QVBoxLayout(Frame3);
    descriptionLayout->addWidget(Label1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(Frame2);
    middle->addWidget(Frame3, 1);

    cmbSave = named(new QPushButton(this), "cmbSave");
    cmbSaveAs = named(new QPushButton(this), "cmbSaveAs");
    cmbAbout = named(new QPushButton(QStringLiteral("?"), this), "cmbAbout");
    cmbWorkshop = named(new QPushButton(this), "cmbWorkshop");
    cmbLanguage = named(new QPushButton(this), "cmbLanguage");
    cmbLanguage->setMenu(new suite::LanguageMenu(cmbLanguage));
    cmbSave->setEnabled(false);
    cmbSaveAs->setEnabled(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmbSave);
    bottom->addWidget(cmbSaveAs);
    bottom->addStretch();
    bottom->addWidget(cmbWorkshop);
    bottom->addWidget(cmbLanguage);
    bottom->addWidget(cmbAbout);

    preview_ = new SpritePreview(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(middle);
    layout->addWidget(preview_, 1);
    layout->addLayout(bottom);
    resize(560, 560);

    // Reading order: the path, its buttons, the options, then the row below.
    QWidget* previous = txtPath;
    for (QWidget* next : std::initializer_list<QWidget*>{cmbPath, cmbGet}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QRadioButton* option : options_) {
        setTabOrder(previous, option);
        previous = option;
    }
    // The frames' scroll area sits between the options and the buttons.
    if (auto* frames = preview_->findChild<QWidget*>(QStringLiteral("scrPreview"))) {
        setTabOrder(previous, frames);
        previous = frames;
    }
    for (QWidget* next :
         std::initializer_list<QWidget*>{cmbSave, cmbSaveAs, cmbWorkshop, cmbLanguage, cmbAbout}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void Form1::retranslate()
{
    setWindowTitle(tr("Tavrin Sprite Axis Editor"));
    Frame1->setTitle(tr("Sprite Location"));
    txtPath->setAccessibleName(tr("Sprite path"));
    cmbPath->setAccessibleName(tr("Choose a sprite file"));
    cmbPath->setToolTip(tr("Choose a sprite file"));
    cmbGet->setText(tr("Get Sprite Info"));
    Frame2->setTitle(tr("Axis Info"));
    for (std::size_t i = 0; i < options_.size(); ++i)
        options_[i]->setText(tr(kCaptions[i]));
    Frame3->setTitle(tr("Description"));
    Label1->setAccessibleName(tr("Description"));
    Label2->setAccessibleName(tr("Sprite type"));
    cmbSave->setText(tr("Save"));
    cmbSaveAs->setText(tr("Save As..."));
    cmbAbout->setAccessibleName(tr("About"));
    cmbAbout->setToolTip(tr("About"));
    cmbWorkshop->setText(tr("Workshop..."));
    cmbWorkshop->setAccessibleName(tr("Open the sprite workshop"));
    cmbLanguage->setText(tr("Language"));
    giveButtonsRoom(this);
    showTypeText();
    if (description_ >= 0)
        Label1->setText(tr(kDescriptions[std::size_t(description_)]));
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && cmbGet)
        retranslate();
    QWidget::changeEvent(event);
}

void Form1::showTypeText()
{
    if (notSprite_)
        Label2->setText(tr("Not a sprite"));
    else if (!typeShown_)
        Label2->clear();
    else if (*typeShown_ < kOrientations.size())
        Label2->setText(tr(kTypeTexts[*typeShown_]));
    else
        Label2->setText(tr("Type %1 Sprite").arg(*typeShown_));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const bool moved = event->type() == QEvent::MouseMove;
    if (moved && watched == Frame2) {
        Frame2_MouseMove();
    } else if (moved || event->type() == QEvent::FocusIn) {
        using Handler = void (Form1::*)();
        static constexpr std::array<Handler, kOrientations.size()> handlers{
            &Form1::Option1_MouseMove, &Form1::Option2_MouseMove, &Form1::Option3_MouseMove,
            &Form1::Option4_MouseMove, &Form1::Option5_MouseMove};
        for (std::size_t i = 0; i < options_.size(); ++i) {
            if (watched == options_[i])
                (this->*handlers[i])();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    openFile(urls.first().toLocalFile());
}

void Form1::openFile(const QString& path)
{
    txtPath->setText(path);
    cmbGet_Click();
}

void Form1::cmbPath_Click()
{
    const QString chosen = dialogs_.openFile(this, tr(kFilter), txtPath->text());
    if (!chosen.isEmpty())
        txtPath->setText(chosen);
}

void Form1::cmbGet_Click()
{
    if (txtPath->text().isEmpty()) {
        dialogs_.message(this, suite::MessageIcon::Information, tr("Erro"), tr("No sprite path"));
        return;
    }
    // Switched on before the read, so they stay on when it fails.
    EnableAll();

    const QString path = txtPath->text();
    std::string reason;
    sprite_ = readSprite(suite::toPath(path), &reason);
    if (!sprite_) {
        // Nothing of the earlier sprite may stay beside a path that failed.
        spritePath_.clear();
        clearType();
        preview_->showNothing([] { return tr("Nothing was read."); });
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Error"),
                         tr("Invalid sprite file\n\nNothing was read from \"%1\": %2.")
                             .arg(path, coreText(reason)));
        return;
    }
    spritePath_ = path;
    if (const std::string notSprite = sprite_->notSpriteReason(); !notSprite.empty()) {
        const QString why = coreText(notSprite);
        clearType();
        notSprite_ = true;
        showTypeText();
        preview_->showNothing([why] { return tr("Not a sprite: %1.").arg(why); });
        dialogs_.message(this, suite::MessageIcon::Exclamation, tr("Error"),
                         tr("\"%1\" is not a sprite: %2. It cannot be saved.").arg(path, why));
        return;
    }
    showType(sprite_->type());
    preview_->showFrames(decodeFrames(sprite_->bytes()));
}

void Form1::showType(std::uint8_t type)
{
    const std::optional<Orientation> orientation = orientationOf(type);
    if (!orientation) {
        // With no option selected, a save keeps the byte as it was read.
        clearType();
        typeShown_ = type;
        showTypeText();
        return;
    }
    options_[orientation->value]->setChecked(true);
    notSprite_ = false;
    typeShown_ = orientation->value;
    showTypeText();
}

void Form1::clearType()
{
    // Exclusive options refuse to be all off; lifting it for a moment lets
    // the checked one go.
    for (QRadioButton* option : options_) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    typeShown_.reset();
    notSprite_ = false;
    Label2->clear();
}

void Form1::EnableAll()
{
    for (QRadioButton* option : options_)
        option->setEnabled(true);
    cmbSave->setEnabled(true);
    cmbSaveAs->setEnabled(true);
}

void Form1::CheckSprite()
{
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (options_[i]->isChecked()) {
            sprite_->setType(kOrientations[i].value);
            return;
        }
    }
}

QString Form1::saveRefusal(bool toFileRead) const
{
    if (!sprite_)
        return tr("No sprite has been read. Use \"Get Sprite Info\" first.");
    if (!sprite_->isSprite())
        return tr("The file read is not a sprite, so it cannot be saved.");
    if (toFileRead && txtPath->text() != spritePath_)
        return tr("The path box does not name the sprite that was read. "
                  "Use \"Get Sprite Info\" first.");
    return {};
}

void Form1::cmbSave_Click()
{
    if (const QString refusal = saveRefusal(true); !refusal.isEmpty()) {
        dialogs_.message(this, suite::MessageIcon::Exclamation, tr("Error"), refusal);
        return;
    }
    CheckSprite();
    writeTo(spritePath_);
}

void Form1::cmbSaveAs_Click()
{
    if (const QString refusal = saveRefusal(false); !refusal.isEmpty()) {
        dialogs_.message(this, suite::MessageIcon::Exclamation, tr("Error"), refusal);
        return;
    }
    const QString chosen =
        dialogs_.saveFile(this, tr(kFilter), saveAsPath_.isEmpty() ? spritePath_ : saveAsPath_);
    if (chosen.isEmpty())
        return;
    saveAsPath_ = chosen;
    CheckSprite();
    // The file that was read stays the one "Save" writes.
    writeTo(saveAsPath_);
}

void Form1::writeTo(const QString& path)
{
    std::string reason;
    if (!writeSprite(suite::toPath(path), *sprite_, &reason)) {
        dialogs_.message(
            this, suite::MessageIcon::Critical, tr("Error"),
            tr("Could not save \"%1\": %2").arg(path, QString::fromLocal8Bit(reason.c_str())));
        return;
    }
    dialogs_.message(this, suite::MessageIcon::None, tr("Sucess"), tr("File Saved"));
}

void Form1::cmbAbout_Click()
{
    dialogs_.message(this, suite::MessageIcon::None, tr("About"), tr(kAboutText));
}

void Form1::Frame2_MouseMove()
{
    description_ = -1;
    Label1->clear();
}

void Form1::Option1_MouseMove()
{
    describe(0);
}

void Form1::Option2_MouseMove()
{
    describe(1);
}

void Form1::Option3_MouseMove()
{
    describe(2);
}

void Form1::Option4_MouseMove()
{
    describe(3);
}

void Form1::Option5_MouseMove()
{
    describe(4);
}

void Form1::describe(int option)
{
    description_ = option;
    Label1->setText(tr(kDescriptions[std::size_t(option)]));
}

} // namespace pivotel
