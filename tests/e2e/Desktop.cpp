#include "Desktop.h"

#include <QFile>
#include <QHash>
#include <QProcessEnvironment>
#include <algorithm>

namespace e2e {
namespace {

QProcessEnvironment toolEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // xprop escapes anything outside ASCII unless the locale is UTF-8.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

// The value after " = " on the line of xprop's output that starts with name.
QString xpropValue(const QString& output, const QString& name) {
    for (const QString& line : output.split(u'\n')) {
        if (!line.startsWith(name + u'('))
            continue;
        const qsizetype eq = line.indexOf(QStringLiteral(" = "));
        return eq < 0 ? QString() : line.mid(eq + 3);
    }
    return QString();
}

QString unquote(QString text) {
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    text.replace(QStringLiteral("\\\""), QStringLiteral("\""));
    text.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return text;
}

} // namespace

QString playerPath() {
    return QStringLiteral(CORVILO_BUILD_DIR "/corvilo");
}

QByteArray runTool(const QString& program, const QStringList& args, int timeoutMs, bool* ok) {
    QProcess tool;
    tool.setProcessEnvironment(toolEnvironment());
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(program, args);
    bool done = tool.waitForStarted(timeoutMs) && tool.waitForFinished(timeoutMs);
    if (!done && tool.state() != QProcess::NotRunning) {
        tool.kill();
        tool.waitForFinished(1000);
    }
    done = done && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    if (ok != nullptr)
        *ok = done;
    return tool.readAllStandardOutput();
}

std::vector<TopWindow> topWindows() {
    // Only the windows openbox manages: mapped top-levels, no menus or tooltips.
    const QString list = QString::fromUtf8(runTool(
        QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST")}));
    std::vector<TopWindow> windows;
    const qsizetype hash = list.indexOf(u'#');
    if (hash < 0)
        return windows;
    for (QString id : list.mid(hash + 1).split(u',', Qt::SkipEmptyParts)) {
        id = id.trimmed();
        bool ok = false;
        const QString props = QString::fromUtf8(
            runTool(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), id, QStringLiteral("_NET_WM_PID"),
                     QStringLiteral("_NET_WM_WINDOW_TYPE"), QStringLiteral("_NET_WM_NAME")},
                    3000, &ok));
        if (!ok)
            continue; // gone in the meantime
        TopWindow w;
        w.id = id;
        w.pid = xpropValue(props, QStringLiteral("_NET_WM_PID")).toLongLong();
        w.title = unquote(xpropValue(props, QStringLiteral("_NET_WM_NAME")));
        w.dialog = xpropValue(props, QStringLiteral("_NET_WM_WINDOW_TYPE"))
                       .startsWith(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG"));
        windows.push_back(w);
    }
    return windows;
}

void pressKeys(const QString& keys) {
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

bool activate(const QString& windowId) {
    bool ok = false;
    // --sync waits for the window manager to make it active; the tool's deadline bounds it.
    runTool(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), windowId}, 3000, &ok);
    return ok;
}

QSize screenSize() {
    const QStringList parts = QString::fromUtf8(runTool(QStringLiteral("xdotool"),
                                                        {QStringLiteral("getdisplaygeometry")}))
                                  .split(u' ');
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].trimmed().toInt()) : QSize();
}

QRect windowGeometry(const QString& windowId) {
    const QString shell = QString::fromUtf8(
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId}));
    QHash<QString, int> values;
    for (const QString& line : shell.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0)
            values.insert(line.left(eq), line.mid(eq + 1).toInt());
    }
    return QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                 values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
}

QImage grabWindow(const QString& windowId) {
    const QRect r = windowGeometry(windowId);
    if (r.isEmpty())
        return QImage();
    // The screen, cut down to the window: what a user sees, child windows included.
    const QString crop =
        QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    const QByteArray ppm =
        runTool(QStringLiteral("import"),
                {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"), crop,
                 QStringLiteral("+repage"), QStringLiteral("ppm:-")});
    return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
}

QImage middleOf(const QImage& image) {
    if (image.isNull())
        return image;
    return image.copy(image.width() / 4, image.height() / 4, image.width() / 2, image.height() / 2);
}

int distinctColours(const QImage& image) {
    QHash<int, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ++counts[(qRed(p) >> 5) << 6 | (qGreen(p) >> 5) << 3 | (qBlue(p) >> 5)];
        }
    const qsizetype least = image.width() * image.height() / 100;
    return static_cast<int>(
        std::count_if(counts.begin(), counts.end(), [least](int n) { return n >= least; }));
}

QString colourName(const QImage& image) {
    if (image.isNull() || image.width() * image.height() == 0)
        return QStringLiteral("none");
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    const qint64 n = qint64(image.width()) * image.height();
    r /= n;
    g /= n;
    b /= n;
    if (r > 200 && g > 200 && b > 200)
        return QStringLiteral("white");
    if (r < 40 && g < 40 && b < 40)
        return QStringLiteral("black");
    if (r > 150 && g < 80 && b < 80)
        return QStringLiteral("red");
    if (g > 90 && r < 80 && b < 80)
        return QStringLiteral("green");
    if (b > 150 && r < 80 && g < 80)
        return QStringLiteral("blue");
    return QStringLiteral("other");
}

// --- Player ----------------------------------------------------------------------------------

Player::Player(const Launch& l) : launch(l) {}

Player::~Player() {
    kill();
}

bool Player::start(int timeoutMs) {
    if (!dir.isValid())
        return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvilo.debug=true"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QString alsa = launch.alsaConfig;
    if (alsa.isEmpty() && !env.contains(QStringLiteral("ALSA_CONFIG_PATH"))) {
        // Never a sound out of the machine running the tests.
        alsa = dir.filePath(QStringLiteral("alsa-null.conf"));
        QFile conf(alsa);
        if (!conf.open(QIODevice::WriteOnly) || conf.write("pcm.!default { type null }\n") < 0)
            return false;
    }
    if (!alsa.isEmpty())
        env.insert(QStringLiteral("ALSA_CONFIG_PATH"), alsa);

    process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(dir.filePath(QStringLiteral("stderr.log")));
    process->start(playerPath(), launch.args);
    if (!process->waitForStarted(timeoutMs))
        return false;
    return waitFor([this] { return mainWindow().has_value() || !running(); }, timeoutMs) &&
           running();
}

bool Player::running() const {
    return process != nullptr && process->state() != QProcess::NotRunning &&
           !process->waitForFinished(0);
}

qint64 Player::pid() const {
    return process != nullptr ? process->processId() : 0;
}

std::vector<TopWindow> Player::windows() const {
    std::vector<TopWindow> mine;
    const qint64 id = pid();
    for (const TopWindow& w : topWindows())
        if (id != 0 && w.pid == id)
            mine.push_back(w);
    return mine;
}

std::optional<TopWindow> Player::mainWindow() const {
    for (const TopWindow& w : windows())
        if (!w.dialog)
            return w;
    return std::nullopt;
}

std::vector<TopWindow> Player::dialogs() const {
    std::vector<TopWindow> found;
    for (const TopWindow& w : windows())
        if (w.dialog)
            found.push_back(w);
    return found;
}

QString Player::title() const {
    const auto w = mainWindow();
    return w ? w->title : QString();
}

bool Player::waitForTitle(const QString& wanted, int timeoutMs) {
    return waitFor([&] { return title() == wanted; }, timeoutMs);
}

bool Player::waitForDialog(const QString& wanted, int timeoutMs) {
    return waitFor(
        [&] {
            const auto found = dialogs();
            return std::any_of(found.begin(), found.end(),
                               [&](const TopWindow& w) { return w.title == wanted; });
        },
        timeoutMs);
}

bool Player::keys(const QString& keys) {
    const auto w = mainWindow();
    return w && keysTo(w->id, keys);
}

bool Player::keysTo(const QString& windowId, const QString& keys) {
    if (!activate(windowId))
        return false;
    pressKeys(keys);
    return true;
}

QImage Player::grab() const {
    const auto w = mainWindow();
    return w ? grabWindow(w->id) : QImage();
}

bool Player::waitForColour(const QString& name, int timeoutMs) {
    return waitFor([&] { return colourName(grabVideo()) == name; }, timeoutMs);
}

QString Player::errorOutput() const {
    QFile log(dir.filePath(QStringLiteral("stderr.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

int Player::countInErrorOutput(const QString& text) const {
    return static_cast<int>(errorOutput().count(text));
}

bool Player::waitForErrorOutput(const QString& text, int times, int timeoutMs) {
    return waitFor([&] { return countInErrorOutput(text) >= times; }, timeoutMs);
}

bool Player::openThroughDialog(const QString& path) {
    const QString caption = QStringLiteral("Select File");
    if (!keys(QStringLiteral("ctrl+o")) || !waitForDialog(caption, 3000))
        return false;
    for (const TopWindow& w : dialogs()) {
        if (w.title != caption || !activate(w.id))
            continue;
        // The file name field has the focus when the dialog opens.
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("4"), path});
        pressKeys(QStringLiteral("Return"));
        return waitFor([&] { return dialogs().empty(); }, 3000);
    }
    return false;
}

std::optional<int> Player::closeAndWait(int timeoutMs) {
    if (!running() || !keys(QStringLiteral("alt+F4")))
        return std::nullopt;
    if (!process->waitForFinished(timeoutMs) || process->exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return process->exitCode();
}

void Player::kill() {
    if (process == nullptr || process->state() == QProcess::NotRunning)
        return;
    process->kill();
    process->waitForFinished(2000);
}

// --- DesktopTest -----------------------------------------------------------------------------

bool DesktopTest::start(const Launch& launch) {
    player = std::make_unique<Player>(launch);
    if (player->start())
        return true;
    ADD_FAILURE() << "no main window came up; stderr:\n" << player->errorOutput().toStdString();
    return false;
}

void DesktopTest::SetUp() {
    // Closing through the window manager and activating windows need one running.
    const QByteArray check =
        runTool(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    ASSERT_TRUE(check.contains("window id"))
        << "these tests need an X display with a window manager";
}

void DesktopTest::TearDown() {
    if (player != nullptr)
        player->kill();
}

} // namespace e2e
