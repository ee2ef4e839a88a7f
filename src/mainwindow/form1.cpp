#include "mainwindow/form1.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "platform/font.h"
#include "ui_form1.h"

// The images live in this static library; registering them by hand keeps the linker from dropping them.
static void InitImages()
{
    Q_INIT_RESOURCE(form1);
}

namespace {

constexpr QSize ClientArea(587, 617);

// Renders at the device pixel ratio, so the art stays sharp on scaled screens instead of being stretched.
QPixmap RenderSvg(const QString &path, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon WindowIcon()
{
    const QString path = QStringLiteral(":/images/somatra.svg");
    QIcon icon;
    for (int side : { 16, 32 }) {
        icon.addPixmap(RenderSvg(path, QSize(side, side), 1.0));
        icon.addPixmap(RenderSvg(path, QSize(side, side), 2.0));
    }
    return icon;
}

} // namespace

Form1::Form1(QWidget *parent)
    : Form1(parent, DesignStateOnly {})
{
    ConnectHandlers();
    Form_Load();
}

Form1::Form1(QWidget *parent, DesignStateOnly)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::Form1>())
{
    InitImages();
    // Set before the controls exist, so they all inherit the font the fixed layout is sized for.
    setFont(platform::DialogFont());
    ui->setupUi(this);

    setWindowIcon(WindowIcon());
    // Lets Wayland compositors match the window to the installed desktop file and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.somatra.Somatra"));
    const qreal ratio = devicePixelRatioF();
    ui->Image1->setPixmap(RenderSvg(QStringLiteral(":/images/warning.svg"), QSize(32, 32), ratio));
    ui->Image2->setPixmap(RenderSvg(QStringLiteral(":/images/tick.svg"), QSize(32, 32), ratio));
    ui->Label25->setText(QStringLiteral(SOMATRA_MAKER_NOTICE));

    // Tab index 0 takes the focus when the window opens; the chain alone would start at the first
    // control created.
    ui->Text2->setFocus();

    // A fixed layout: the client area has its design size and the user cannot resize the window.
    centralWidget()->setFixedSize(ClientArea);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() = default;

std::unique_ptr<Form1> Form1::InDesignState(QWidget *parent)
{
    return std::unique_ptr<Form1>(new Form1(parent, DesignStateOnly {}));
}
