// The mail object model: what a message renders, byte for byte where the
// layout matters to a mail reader.
#include <QtTest>

#include "emailaddress.h"
#include "mimeattachment.h"
#include "mimecontentformatter.h"
#include "mimemessage.h"
#include "mimemultipart.h"
#include "mimetext.h"
#include "quotedprintable.h"

class TestMimeMessage : public QObject
{
    Q_OBJECT
private slots:
    void headerLines()
    {
        MimeMessage m;
        EmailAddress from("a@x.org", "bug"), to1("b@y.org", "support"), to2("c@z.org"), bcc("hid@x.org", "h");
        m.setSender(&from);
        m.addRecipient(&to1);
        m.addRecipient(&to2, MimeMessage::To);
        m.addRecipient(&bcc, MimeMessage::Bcc);
        m.setSubject("Ann - a@b.c -> Olvex Free Mirelo( WIN )");
        const QString s = m.toString();
        QVERIFY(s.startsWith("From: bug <a@x.org>\r\n"
                             "To: support <b@y.org>, <c@z.org>\r\n"
                             "Subject: Ann - a@b.c -> Olvex Free Mirelo( WIN )\r\n"
                             "MIME-Version: 1.0\r\n"
                             "Content-Type: multipart/related; boundary="));
        QVERIFY(!s.contains("Cc:"));
        QVERIFY(!s.contains("hid@x.org"));

        EmailAddress cc("d@w.org", "dee");
        m.addRecipient(&cc, MimeMessage::Cc);
        QVERIFY(m.toString().contains("\r\nCc: dee <d@w.org>\r\nSubject: "));
        QCOMPARE(m.getRecipients(2).size(), 1);
        QCOMPARE(m.getRecipients(9).size(), 2);

        MimeMessage empty;
        QVERIFY(empty.toString().startsWith("From:\r\nTo:\r\nSubject: \r\n"));
    }

    void headerValuesStayOnOneLine()
    {
        MimeMessage m;
        EmailAddress from("a@x.org\r\nBcc: evil@x.org", "b\nug");
        m.setSender(&from);
        m.setSubject("Ann\r\nX-Injected: 1");
        const QString s = m.toString();
        QVERIFY(s.startsWith("From: b ug <a@x.org  Bcc: evil@x.org>\r\nTo:\r\nSubject: Ann  X-Injected: 1\r\n"));
    }

    void encodedNames()
    {
        MimeMessage m;
        EmailAddress from("a@x.org", "a:b c");
        m.setSender(&from);
        m.setSubject("x_y?=z");
        m.setHeaderEncoding(3);
        QString s = m.toString();
        QVERIFY(s.startsWith("From: =?utf-8?Q?a=3Ab_c?= <a@x.org>\r\n"));
        QVERIFY(s.contains("Subject: =?utf-8?Q?x=5Fy=3F=3Dz?=\r\n"));
        m.setHeaderEncoding(2);
        s = m.toString();
        QVERIFY(s.startsWith("From: =?utf-8?B?YTpiIGM=?= <a@x.org>\r\n"));
    }

    void partHeaderOrder()
    {
        MimeText t("hello");
        t.setContentId("id1");
        t.setContentName("n.txt");
        t.addHeaderLine("X-Extra: 1");
        QCOMPARE(t.toString(), QStringLiteral("Content-Type: text/plain; name=\"n.txt\"; charset=utf-8\r\n"
                                              "Content-Transfer-Encoding: 8bit\r\n"
                                              "Content-ID: <id1>\r\n"
                                              "X-Extra: 1\r\n"
                                              "\r\n"
                                              "hello\r\n"));
        // Rendered once: later changes need an explicit prepare.
        t.setText("changed");
        QVERIFY(t.toString().contains("hello"));
        t.prepare();
        QVERIFY(t.toString().contains("changed"));
    }

    void multipartLayout()
    {
        MimeMultiPart mp(MimeMultiPart::Mixed);
        QCOMPARE(mp.boundary().size(), 32);
        QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(mp.boundary()).hasMatch());
        MimeText a("one"), b("two");
        mp.addPart(&a);
        mp.addPart(&b);
        const QString bd = mp.boundary();
        QCOMPARE(mp.toString(), "Content-Type: multipart/mixed; boundary=" + bd + "\r\n"
                                "Content-Transfer-Encoding: 8bit\r\n\r\n--" + bd + "\r\n" + a.toString() + "--" + bd
                                    + "\r\n" + b.toString() + "--" + bd + "--\r\n\r\n");

        MimeMessage plain(false);
        MimeText body("only");
        plain.setContent(&body);
        MimeText extra("ignored");
        plain.addPart(&extra);
        QVERIFY(!plain.toString().contains("ignored"));
    }

    void base64Lines()
    {
        MimeContentFormatter f;
        QCOMPARE(f.format(QString(76, 'A')), QString(76, 'A'));
        QCOMPARE(f.format(QString(77, 'A')), QString(76, 'A') + "\r\nA");

        QTemporaryDir dir;
        QFile raw(dir.filePath("data.bin"));
        QVERIFY(raw.open(QIODevice::WriteOnly));
        QByteArray bytes;
        for (int i = 0; i < 1000; ++i)
            bytes.append(char(i * 7));
        raw.write(bytes);
        raw.close();
        MimeAttachment att(new QFile(raw.fileName()));
        const QString s = att.toString();
        QVERIFY(s.startsWith("Content-Type: application/octet-stream; name=\"data.bin\"\r\n"
                             "Content-Transfer-Encoding: base64\r\n"
                             "Content-disposition: attachment\r\n\r\n"));
        const QStringList lines = s.section("\r\n\r\n", 1).split("\r\n", Qt::SkipEmptyParts);
        for (int i = 0; i + 1 < lines.size(); ++i)
            QCOMPARE(lines[i].size(), 76);
        QCOMPARE(QByteArray::fromBase64(lines.join("").toLatin1()), bytes);
    }

    void quotedPrintable()
    {
        QCOMPARE(QuotedPrintable::encode("a=b c\r\n\xc3\xa9~"), QStringLiteral("a=3Db c=0D=0A=C3=A9~"));
        MimeContentFormatter f;
        // A soft break after 75 characters, and an escape never split.
        QCOMPARE(f.format(QString(80, 'x'), true), QString(75, 'x') + "=\r\n" + QString(5, 'x'));
        QCOMPARE(f.format(QString(73, 'x') + "=3D", true), QString(73, 'x') + "=\r\n=3D");
        QCOMPARE(f.format(QString(72, 'x') + "=3D", true), QString(72, 'x') + "=3D");
        QCOMPARE(f.format("ab\ncd", true), QStringLiteral("ab\ncd"));
    }

    void renderedOnceInAMessage()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("a.dmp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("abc");
        f.close();
        MimeMessage m;
        MimeText text("desc");
        MimeAttachment att(new QFile(f.fileName()));
        m.addPart(&text);
        m.addPart(&att);
        const QString first = m.toString();
        QCOMPARE(m.toString(), first);
        QCOMPARE(first.count("Content-disposition: attachment"), 1);
        QVERIFY(first.contains("YWJj\r\n"));
    }

    void unreadableFileGivesEmptyBody()
    {
        MimeFile file(new QFile("/nonexistent/dir/x.log"));
        QVERIFY(file.toString().endsWith("base64\r\n\r\n\r\n"));
        QCOMPARE(file.contentName(), QStringLiteral("x.log"));
    }
};

QTEST_GUILESS_MAIN(TestMimeMessage)
#include "tst_mimemessage.moc"
