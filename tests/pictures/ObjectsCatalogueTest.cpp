#include "editor/PictureLibrary.h"

#include <kiv/ConfigFile.h>

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTest>

#include <string>

namespace {

std::string catalogueFile() {
    return (QCoreApplication::applicationDirPath() + QStringLiteral("/Objects.txt")).toStdString();
}

// The decimal number a key holds; fails the test when the key is missing or not a number.
int numberAt(const kiv::ConfigFile& catalogue, const std::string& key) {
    const std::string value = catalogue.GetValue(key);
    bool ok = false;
    const int number = QString::fromStdString(value).toInt(&ok);
    if (!ok || value == kiv::ConfigFile::NotFound)
        QTest::qFail(
            qPrintable(QStringLiteral("%1 is not a number: '%2'")
                           .arg(QString::fromStdString(key), QString::fromStdString(value))),
            __FILE__, __LINE__);
    return number;
}

std::string textAt(const kiv::ConfigFile& catalogue, const std::string& key) {
    const std::string value = catalogue.GetValue(key);
    if (value == kiv::ConfigFile::NotFound || value.empty())
        QTest::qFail(qPrintable(QStringLiteral("%1 is missing").arg(QString::fromStdString(key))),
                     __FILE__, __LINE__);
    return value;
}

} // namespace

class ObjectsCatalogueTest : public QObject {
    Q_OBJECT

    kiv::ConfigFile catalogue;
    PictureLibrary library;

private slots:
    void initTestCase() { catalogue.ConfigLoad(catalogueFile()); }

    void isAStoreFileWithCrLfLineBreaks() {
        QFile file(QString::fromStdString(catalogueFile()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        for (const QByteArray& line : bytes.split('\n'))
            QVERIFY(line.isEmpty() || line.contains('='));
    }

    void everyUniversalObjectHasItsPicture() {
        const int count = numberAt(catalogue, "Universal");
        QVERIFY(count > 0);
        for (int i = 1; i <= count; ++i) {
            const int code = numberAt(catalogue, "CodeU" + std::to_string(i));
            textAt(catalogue, "DescU" + std::to_string(i));
            QVERIFY2(code >= 0 && code <= 255 && library.hasPicture(code),
                     qPrintable(QString::number(code)));
        }
    }

    void everyWorldObjectHasAPictureInItsWorld() {
        for (int w = 1; w <= 4; ++w) {
            const int count = numberAt(catalogue, "World" + std::to_string(w));
            QVERIFY(count > 0);
            for (int j = 1; j <= count; ++j) {
                const std::string index = std::to_string(w) + "_" + std::to_string(j);
                const int code = numberAt(catalogue, "CodeW" + index);
                textAt(catalogue, "DescW" + index);
                QVERIFY2(code >= 0 && code <= 255 &&
                             (library.hasPicture(w * 1000 + code) || library.hasPicture(code)),
                         qPrintable(QString::fromStdString("CodeW" + index)));
            }
        }
    }

    void everyEnemyPictureHasOneUniquelyNamedEntry() {
        const int count = numberAt(catalogue, "Enemies");
        QSet<int> codes;
        QSet<std::string> descriptions;
        for (int i = 1; i <= count; ++i) {
            const int code = numberAt(catalogue, "CodeE" + std::to_string(i));
            QVERIFY2(library.enemyPicture(code).width() > 0, qPrintable(QString::number(code)));
            codes.insert(code);
            descriptions.insert(textAt(catalogue, "DescE" + std::to_string(i)));
        }
        QCOMPARE(descriptions.size(), count);
        QCOMPARE(codes.size(), count);
        for (int code = 0; code < 100; ++code)
            QCOMPARE(codes.contains(code), library.enemyPicture(code).width() > 0);
    }

    void powerUpsAreTheGameTypesWithUniqueNames() {
        const int count = numberAt(catalogue, "PowerUps");
        QSet<std::string> codes, descriptions;
        for (int i = 1; i <= count; ++i) {
            codes.insert(textAt(catalogue, "CodeP" + std::to_string(i)));
            descriptions.insert(textAt(catalogue, "DescP" + std::to_string(i)));
        }
        QCOMPARE(codes, (QSet<std::string>{"40", "192", "240", "42", "52"}));
        QCOMPARE(descriptions.size(), count);
    }
};

QTEST_GUILESS_MAIN(ObjectsCatalogueTest)
#include "ObjectsCatalogueTest.moc"
