#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fresh working folder whose "pinto_ss.dat" lists two schemes, "Test Scheme" and "Other",
// with entries named "tN.wav" and "oN.wav" (empty files there); the tests run in it while it lives.
class SchemeFolder
{
public:
    SchemeFolder() : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        Write("pinto_ss.dat", "test.scheme\r\nother.scheme\r\n");
        QByteArray test = "Test Scheme\r\n";
        QByteArray other = "Other\r\n";
        for (int entry = 0; entry < 24; ++entry) {
            test += "t" + QByteArray::number(entry) + ".wav\r\n";
            other += "o" + QByteArray::number(entry) + ".wav\r\n";
            Write(("t" + QByteArray::number(entry) + ".wav").constData(), {});
            Write(("o" + QByteArray::number(entry) + ".wav").constData(), {});
        }
        Write("test.scheme", test);
        Write("other.scheme", other);
    }
    ~SchemeFolder() { QDir::setCurrent(m_previous); }

private:
    static void Write(const char* name, const QByteArray& content)
    {
        QFile file(QString::fromLatin1(name));
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }

    QTemporaryDir m_dir;
    QString m_previous;
};
