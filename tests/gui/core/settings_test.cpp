// The settings: written and read back, and a store that cannot be read gives none.
#include <QDir>
#include <QSettings>
#include <QtTest>

#include "gui/core/settings.h"
#include "tests/gui/gui_test_support.h"

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void written_settings_read_back() {
    veldra::gui::test::IsolatedSettings isolated;
    QVERIFY(!veldra::gui::ReadSettings().found);
    veldra::app::RecentFiles recent;
    recent.Update("/w/b.vd5d");
    recent.Update("/w/a b & c.vd5d");
    veldra::gui::WriteSettings("/usr/bin/gedit", recent);
    const veldra::gui::StoredSettings stored = veldra::gui::ReadSettings();
    QVERIFY(stored.found);
    QCOMPARE(stored.editor, std::string("/usr/bin/gedit"));
    QCOMPARE(stored.recent.Count(), 2);
    QCOMPARE(stored.recent.Entry(1), std::string("/w/a b & c.vd5d"));
    QCOMPARE(stored.recent.Entry(2), std::string("/w/b.vd5d"));
    // Under the organisation, application and version the program has always used.
    QSettings raw(QStringLiteral("Korvan"), QStringLiteral("VELDRA"));
    QCOMPARE(raw.value(QStringLiteral("2015.5.18/Word Processor")).toString(), QStringLiteral("/usr/bin/gedit"));
    QCOMPARE(raw.value(QStringLiteral("2015.5.18/File2")).toString(), QStringLiteral("/w/b.vd5d"));
  }

  void a_store_that_cannot_be_read_gives_no_settings() {
    veldra::gui::test::IsolatedSettings isolated;
    veldra::app::RecentFiles recent;
    recent.Update("/w/a.vd5d");
    veldra::gui::WriteSettings("/usr/bin/gedit", recent);
    // The settings file replaced by a folder: reading it fails.
    const QString file = QSettings(QStringLiteral("Korvan"), QStringLiteral("VELDRA")).fileName();
    QVERIFY(QFile::remove(file));
    QVERIFY(QDir().mkpath(file));
    const veldra::gui::StoredSettings stored = veldra::gui::ReadSettings();
    QCOMPARE(stored.editor, std::string());
    QCOMPARE(stored.recent.Count(), 0);
    veldra::gui::WriteSettings("/usr/bin/gedit", recent);  // swallowed as well
  }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
