#pragma once
// Helpers of the window tests: small team files written as the game writes
// them (Windows-1251, CR LF), a zip of one, message boxes and link openers
// answered by the test, pixel checks.

#include "core/cp1251.h"
#include "ui/platform/system.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <zip.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace uitest {

struct Player {
    std::string id;
    std::string name; // UTF-8; written as Windows-1251
    std::string pos;
    std::string value;
    std::string rating; // with "." as the file writes it
    std::string salary;
    std::array<int, 24> skills{};
};

inline Player player(std::string id, std::string name, std::string pos, std::string value, std::string rating,
                     std::string salary, int skill = 50)
{
    Player p{std::move(id), std::move(name), std::move(pos), std::move(value), std::move(rating),
             std::move(salary), {}};
    p.skills.fill(skill);
    return p;
}

inline std::string playerLine(const Player &p)
{
    std::vector<std::string> f(45, "0");
    f[0] = p.id;
    f[1] = "1";
    f[2] = squadlens::toCp1251(p.name);
    f[3] = "25";
    f[4] = p.pos;
    f[18] = p.value;
    f[19] = p.rating;
    f[20] = p.salary;
    for (int k = 0; k < 24; ++k)
        f[static_cast<std::size_t>(21 + k)] = std::to_string(p.skills[static_cast<std::size_t>(k)]);
    std::string line = "/";
    for (const std::string &field : f)
        line += field + "/";
    return line;
}

// A team file's bytes: the header lines, the players, the end line.
inline std::string teamFile(const std::string &teamId, const std::string &teamName, const std::string &date,
                            const std::vector<Player> &players)
{
    std::string text = "1/\r\n=" + date + " 10:00:00\r\n/" + teamId + "/" + squadlens::toCp1251(teamName) +
                       "/" + squadlens::toCp1251("Россия") + "/\r\n";
    for (const Player &p : players)
        text += playerLine(p) + "\r\n";
    return text + "/***/\r\n";
}

inline void writeBytes(const QString &path, const std::string &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A zip archive holding `entryName` with `bytes` at its root.
inline void writeZip(const QString &path, const std::string &entryName, const std::string &bytes)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        qFatal("cannot create %s", qPrintable(path));
    zip_source_t *source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (!source || zip_file_add(archive, entryName.c_str(), source, ZIP_FL_ENC_UTF_8) < 0)
        qFatal("cannot add %s", entryName.c_str());
    if (zip_close(archive) != 0)
        qFatal("cannot close %s", qPrintable(path));
}

// The control named `name` under `root`; the test run stops when there is none.
template <typename T = QWidget> T *child(const QObject *root, const char *name)
{
    T *w = root->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

struct Box {
    QString text, title;
    squadlens::platform::BoxIcon icon;
};

// Answers every message box while it lives and remembers them.
class BoxRecorder {
public:
    BoxRecorder()
    {
        m_previous = squadlens::platform::setMessageBoxFunction(
            [this](const QString &text, const QString &title, squadlens::platform::BoxIcon icon) {
                boxes.push_back({text, title, icon});
                if (onBox)
                    onBox();
            });
    }
    ~BoxRecorder() { squadlens::platform::setMessageBoxFunction(std::move(m_previous)); }
    BoxRecorder(const BoxRecorder &) = delete;
    BoxRecorder &operator=(const BoxRecorder &) = delete;

    std::vector<Box> boxes;
    std::function<void()> onBox; // runs while the box "is shown"

private:
    squadlens::platform::MessageBoxFunction m_previous;
};

class UrlRecorder {
public:
    UrlRecorder()
    {
        m_previous = squadlens::platform::setUrlOpener([this](const QUrl &url) { urls.push_back(url); });
    }
    ~UrlRecorder() { squadlens::platform::setUrlOpener(std::move(m_previous)); }
    UrlRecorder(const UrlRecorder &) = delete;
    UrlRecorder &operator=(const UrlRecorder &) = delete;

    std::vector<QUrl> urls;

private:
    squadlens::platform::UrlOpener m_previous;
};

inline bool near(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// How many pixels of `area` are within `tolerance` of `colour`.
inline int countNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 24)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (near(image.pixelColor(x, y), colour, tolerance))
                ++n;
    return n;
}

} // namespace uitest
