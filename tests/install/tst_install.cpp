// SPDX-License-Identifier: GPL-3.0-or-later
// The installed program: `cmake --install` into a fresh prefix, the desktop
// files checked by the desktop's own validators, the installed copy started
// for real, and the Debian package built by cpack.
#include "support/test_files.h"
#include "ui/toolkit/program_logo.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <csignal>

using veltrane::test::readBytes;

namespace {

const QString AppId = QStringLiteral(VELTRANE_APP_ID);

struct Run
{
    int exitCode = -1;
    QByteArray output;
};

// Runs a program to its end and keeps what it printed, errors included.
Run run(const QString& program, const QStringList& arguments, int timeout = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(timeout) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.output = "did not finish: " + process.readAll();
        return result;
    }
    result.exitCode = process.exitCode();
    result.output = process.readAll();
    return result;
}

// The share of pixels whose colour or opacity differ by more than a quarter.
double differingShare(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            const int most =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (most > 64)
                ++differing;
        }
    }
    return double(differing) / (x.width() * x.height());
}

QImage drawnLogo(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    veltrane::paintProgramLogo(painter, size, size);
    return image;
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void installsEveryFile_data();
    void installsEveryFile();
    void iconsShowTheLogo();
    void desktopEntryValidates();
    void metainfoValidates();
    void installedCopyKeepsItsSettingsInTheConfigFolder();
    void installedCliAnswers();
    void manualPagesShowWithoutWarnings_data();
    void manualPagesShowWithoutWarnings();
    void debianPackageNamesItsLibrariesAndHoldsEveryFile();
    void debianPackagePassesLintian();

private:
    QString installed(const QString& path) const { return m_prefix.filePath(path); }
    QString desktopEntry() const
    {
        return installed(QStringLiteral("share/applications/") + AppId +
                         QStringLiteral(".desktop"));
    }
    QString metainfo() const
    {
        return installed(QStringLiteral("share/metainfo/") + AppId +
                         QStringLiteral(".metainfo.xml"));
    }

    // The Debian package, built once by cpack for the tests that need it;
    // empty when it could not be built.
    QString package();

    QTemporaryDir m_prefix;
    QTemporaryDir m_packageDir;
    QString m_deb;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const Run install = run(QStringLiteral(VELTRANE_CMAKE),
                            {QStringLiteral("--install"), QStringLiteral(VELTRANE_BUILD_DIR),
                             QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.exitCode == 0, install.output.constData());
}

void TestInstall::installsEveryFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("program") << "bin/veltrane";
    QTest::newRow("command-line program") << "bin/veltrane-cli";
    QTest::newRow("manual page") << "share/man/man1/veltrane.1.gz";
    QTest::newRow("its manual page") << "share/man/man1/veltrane-cli.1.gz";
    QTest::newRow("its bash completion") << "share/bash-completion/completions/veltrane-cli";
    QTest::newRow("history") << "share/veltrane/veltrane_history.txt";
    QTest::newRow("desktop entry") << "share/applications/" + AppId + ".desktop";
    QTest::newRow("metainfo") << "share/metainfo/" + AppId + ".metainfo.xml";
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + AppId + ".svg";
    QTest::newRow("48 icon") << "share/icons/hicolor/48x48/apps/" + AppId + ".png";
    QTest::newRow("256 icon") << "share/icons/hicolor/256x256/apps/" + AppId + ".png";
}

void TestInstall::installsEveryFile()
{
    QFETCH(QString, path);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY(file.size() > 0);
    if (path.startsWith(u"bin/"))
        QVERIFY(file.isExecutable());
}

void TestInstall::iconsShowTheLogo()
{
    const QString icons = installed(QStringLiteral("share/icons/hicolor/"));
    for (int size : {48, 256}) {
        const QImage png(icons + QStringLiteral("%1x%1/apps/").arg(size) + AppId +
                         QStringLiteral(".png"));
        QCOMPARE(png.size(), QSize(size, size));
        QVERIFY(png.hasAlphaChannel());
        QCOMPARE(differingShare(png, drawnLogo(size)), 0.0);
    }

    const QString svg = icons + QStringLiteral("scalable/apps/") + AppId + QStringLiteral(".svg");
    QXmlStreamReader xml(readBytes(svg));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    // The drawing must look like the logo, not merely parse.
    const QString renderer = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (renderer.isEmpty())
        QSKIP("rsvg-convert (Debian package librsvg2-bin) is not installed");
    QTemporaryDir out;
    const QString rendered = out.filePath(QStringLiteral("svg.png"));
    const Run render =
        run(renderer, {QStringLiteral("-w"), QStringLiteral("256"), QStringLiteral("-h"),
                       QStringLiteral("256"), svg, QStringLiteral("-o"), rendered});
    QVERIFY2(render.exitCode == 0, render.output.constData());
    const double share = differingShare(QImage(rendered), drawnLogo(256));
    // Two renderers differ only along the anti-aliased edges.
    QVERIFY2(share < 0.02, qPrintable(QString::number(share)));
}

void TestInstall::desktopEntryValidates()
{
    const QByteArray entry = readBytes(desktopEntry());
    for (const QByteArray& line :
         {QByteArray("Name=Veltrane\n"), QByteArray("Exec=veltrane\n"),
          QByteArray("Categories=Utility;Calculator;\n"), "Icon=" + AppId.toUtf8() + '\n'})
        QVERIFY2(entry.contains(line), line.constData());
    QVERIFY(entry.contains("\nComment="));

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate (Debian package desktop-file-utils) is not installed");
    const Run check = run(validator, {desktopEntry()});
    QVERIFY2(check.exitCode == 0 && check.output.isEmpty(), check.output.constData());
}

void TestInstall::metainfoValidates()
{
    const QByteArray text = readBytes(metainfo());
    QVERIFY(text.contains("<id>" + AppId.toUtf8() + "</id>"));
    QVERIFY(text.contains("<release version=\"1.13.3\""));
    QVERIFY(text.contains("<caption>The main window in the \"Standard Color\" theme</caption>"));
    QVERIFY(text.contains("<launchable type=\"desktop-id\">" + AppId.toUtf8() + ".desktop<"));

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli (Debian package appstream) is not installed");
    // --no-net: the screenshots' addresses are not fetched.
    const Run check = run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                      QStringLiteral("--pedantic"), metainfo()});
    QVERIFY2(check.exitCode == 0, check.output.constData());
}

void TestInstall::installedCopyKeepsItsSettingsInTheConfigFolder()
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("cfg")));
    QProcess veltrane;
    veltrane.setProcessEnvironment(environment);
    veltrane.start(installed(QStringLiteral("bin/veltrane")), {});
    QVERIFY(veltrane.waitForStarted());

    // Start-up stores the theme as soon as it has chosen it.
    const QString settings = home.filePath(QStringLiteral("cfg/veltrane/veltrane.ini"));
    QTRY_VERIFY_WITH_TIMEOUT(readBytes(settings).contains("Themes=0"), 20000);
    QTest::qWait(200);
    ::kill(pid_t(veltrane.processId()), SIGTERM);
    QVERIFY(veltrane.waitForFinished(20000));
    QCOMPARE(veltrane.exitStatus(), QProcess::NormalExit);

    // The first run counts itself; shut-down stores the next count.
    QVERIFY2(readBytes(settings).contains("Use=2\n"), readBytes(settings).constData());
    QVERIFY(!QFileInfo::exists(installed(QStringLiteral("bin/veltrane.ini"))));
}

void TestInstall::installedCliAnswers()
{
    const Run answer = run(installed(QStringLiteral("bin/veltrane-cli")),
                           {QStringLiteral("4294967296"), QStringLiteral("--json")});
    QCOMPARE(answer.exitCode, 0);
    QVERIFY2(answer.output.contains("\"wus_per_hour\": 3600,"), answer.output.constData());
}

void TestInstall::manualPagesShowWithoutWarnings_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("shows");
    QTest::newRow("veltrane") << "veltrane.1.gz" << QByteArray("XDG_CONFIG_HOME");
    QTest::newRow("veltrane-cli") << "veltrane-cli.1.gz" << QByteArray("--rates-from");
}

// man passes --warnings on to groff, which then reports every questionable
// request, escape or line it cannot break on standard error.
void TestInstall::manualPagesShowWithoutWarnings()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, shows);
    const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
    if (man.isEmpty())
        QSKIP("man (Debian package man-db) is not installed");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    process.setProcessEnvironment(environment);
    process.start(man, {QStringLiteral("--warnings"), QStringLiteral("-l"),
                        installed(QStringLiteral("share/man/man1/") + page)});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardError(), QByteArray());
    const QByteArray text = process.readAllStandardOutput();
    QVERIFY2(text.contains(shows), text.constData());
}

void TestInstall::debianPackageNamesItsLibrariesAndHoldsEveryFile()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
        QSKIP("dpkg-shlibdeps (Debian package dpkg-dev) is not installed");
    const QString deb = package();
    QVERIFY(!deb.isEmpty());

    const Run fields = run(QStringLiteral("dpkg-deb"),
                           {QStringLiteral("--field"), deb, QStringLiteral("Depends")});
    QCOMPARE(fields.exitCode, 0);
    for (const char* library :
         {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libstdc++6", "fonts-liberation2"})
        QVERIFY2(fields.output.contains(library), fields.output.constData());
    // Qt SVG only writes the icon at build time.
    QVERIFY2(!fields.output.contains("libqt6svg"), fields.output.constData());
    const Run recommends = run(QStringLiteral("dpkg-deb"),
                               {QStringLiteral("--field"), deb, QStringLiteral("Recommends")});
    QCOMPARE(recommends.output.trimmed(), QByteArray("qt6-wayland"));

    const Run contents = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
    QCOMPARE(contents.exitCode, 0);
    for (const QString& path :
         {QStringLiteral("./usr/bin/veltrane"), QStringLiteral("./usr/bin/veltrane-cli"),
          QStringLiteral("./usr/share/man/man1/veltrane.1.gz"),
          QStringLiteral("./usr/share/man/man1/veltrane-cli.1.gz"),
          QStringLiteral("./usr/share/bash-completion/completions/veltrane-cli"),
          QStringLiteral("./usr/share/veltrane/veltrane_history.txt"),
          QStringLiteral("./usr/share/doc/veltrane/copyright"),
          QStringLiteral("./usr/share/doc/veltrane/changelog.gz"),
          QStringLiteral("./usr/share/lintian/overrides/veltrane"),
          QStringLiteral("./usr/share/applications/") + AppId + QStringLiteral(".desktop"),
          QStringLiteral("./usr/share/metainfo/") + AppId + QStringLiteral(".metainfo.xml"),
          QStringLiteral("./usr/share/icons/hicolor/scalable/apps/") + AppId +
              QStringLiteral(".svg")})
        QVERIFY2(contents.output.contains(path.toUtf8()), qPrintable(path));
}

// Debian's own checks, pedantic and informational tags included: each one
// fails the test unless data/lintian-overrides gives it with its reason.
void TestInstall::debianPackagePassesLintian()
{
#ifdef VELTRANE_SANITIZED
    QSKIP("a sanitizer build is not hardened as a package is");
#endif
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    if (lintian.isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
        QSKIP("lintian and dpkg-dev (Debian packages) are not both installed");
    const QString deb = package();
    QVERIFY(!deb.isEmpty());
    const Run checked = run(lintian,
                            {QStringLiteral("--pedantic"), QStringLiteral("--info"),
                             QStringLiteral("--display-info"), deb},
                            300000);
    QStringList tags;
    for (const QByteArray& line : checked.output.split('\n')) {
        if (line.size() > 2 && line[1] == ':' && QByteArray("EWIPX").contains(line[0]))
            tags << QString::fromUtf8(line);
    }
    QVERIFY2(tags.isEmpty(), qPrintable(tags.join(u'\n')));
    QVERIFY2(checked.exitCode == 0, checked.output.constData());
}

QString TestInstall::package()
{
    if (!m_deb.isEmpty())
        return m_deb;
    const Run pack = run(QStringLiteral(VELTRANE_CPACK),
                         {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                          QStringLiteral(VELTRANE_BUILD_DIR "/CPackConfig.cmake"),
                          QStringLiteral("-B"), m_packageDir.path()},
                         300000);
    if (pack.exitCode != 0) {
        qWarning("%s", pack.output.constData());
        return {};
    }
    const QStringList debs = QDir(m_packageDir.path()).entryList({QStringLiteral("*.deb")});
    if (debs.size() != 1 || !debs.first().startsWith(u"veltrane_1.13.3")) {
        qWarning("cpack made %s", qPrintable(debs.join(u' ')));
        return {};
    }
    m_deb = m_packageDir.filePath(debs.first());
    return m_deb;
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
