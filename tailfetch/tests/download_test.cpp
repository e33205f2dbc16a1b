// The whole exchange, from "Iniciar" to the file on disk, against a real
// nginx and against a scripted server for replies nginx never gives.
#include "common/testing/print_qstring.h"
#include "tailfetch/tests/test_server.h"
#include "tailfetch/ui/main_window.h"

#include "common/testing/window_test.h"
#include "common/ui/text.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpSocket>
#include <QTimer>

#include <limits>

#include <memory>
#include <ostream>

namespace tailfetch {
namespace {

using suite::testing::child;
using suite::testing::click;
using testing::Nginx;
using testing::ScriptedServer;
using testing::waitUntil;

class DownloadTest : public suite::testing::WindowTest {
protected:
    std::unique_ptr<MainWindow> window_;

    void SetUp() override
    {
        window_ = std::make_unique<MainWindow>(programDir(), dialogs_);
        // No test waits for real timeouts or retry pauses.
        JobTuning quick;
        quick.silenceMs = 3000;
        quick.retryWaitsMs = {20, 20, 20};
        // Scripted replies are short: one byte held is fetched again, and no
        // sum file is asked for, unless a test says otherwise.
        quick.checkWindow = 1;
        quick.lookForSumFiles = false;
        window_->setJobTuning(quick);
        // The speed's one-second tick comes from the test, never from the clock.
        child<QTimer>(window_.get(), "tmr")->setInterval(std::numeric_limits<int>::max());
        window_->show();
    }

    void tick() const { QMetaObject::invokeMethod(child<QTimer>(window_.get(), "tmr"), "timeout"); }
    QString velocidade() const { return child<QLabel>(window_.get(), "lblVelocidade")->text(); }

    QLineEdit* box(const char* name) const { return child<QLineEdit>(window_.get(), name); }
    QString estado() const { return child<QLabel>(window_.get(), "lblEstado")->text(); }
    QString recebido() const { return child<QLabel>(window_.get(), "lblRecebido")->text(); }

    // "Adquirir a partir de arquivo" from `source`; into `destino` when given,
    // else in place.
    void startFromFile(const QString& url, const QString& source, const QString& destino = {})
    {
        box("txtPath")->setText(url);
        click(child<QRadioButton>(window_.get(), "optFonte"));
        box("txtFonte")->setText(pathIn(source));
        auto* separate = child<QCheckBox>(window_.get(), "chkSeparar");
        if (separate->isChecked() == destino.isEmpty())
            click(separate);
        if (!destino.isEmpty())
            box("txtDestino")->setText(pathIn(destino));
        click(child<QPushButton>(window_.get(), "cmbGo"));
    }

    void startFromByte(const QString& url, const QString& start, const QString& destino)
    {
        box("txtPath")->setText(url);
        box("txtStart")->setText(start);
        box("txtDestino")->setText(pathIn(destino));
        click(child<QPushButton>(window_.get(), "cmbGo"));
    }

    bool finished() const
    {
        return waitUntil([this] { return !window_->downloading(); });
    }

    QStringList files() const { return QDir(programDir()).entryList(QDir::Files, QDir::Name); }
};

// ---------------------------------------------------------------- nginx

class NginxDownloadTest : public DownloadTest {
protected:
    Nginx nginx_;
    const QByteArray original_ = testing::noise(300'000, 0x2545F491u);

    void SetUp() override
    {
        DownloadTest::SetUp();
        JobTuning tuning;
        tuning.silenceMs = 3000;
        tuning.retryWaitsMs = {20, 20, 20};
        window_->setJobTuning(tuning);
        const QString why = nginx_.start();
        ASSERT_TRUE(why.isEmpty()) << why.toStdString();
        nginx_.addFile(QStringLiteral("movie.bin"), original_);
        nginx_.addFile(QStringLiteral("noranges/movie.bin"), original_);
    }
};

TEST_F(NginxDownloadTest, CompletesTheIncompleteFileInPlace)
{
    writeFile("movie.bin", original_.left(123'457));
    startFromFile(nginx_.url("movie.bin"), "movie.bin");
    EXPECT_EQ(estado(), "Conectando...");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado e unido");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    EXPECT_TRUE(readFile("movie.bin") == original_);
    EXPECT_EQ(files(), QStringList{"movie.bin"});
    // The last 64 KiB held came again to be compared.
    EXPECT_EQ(recebido(), suite::groupedNumber(300'000 - 123'457 + 65'536));
    EXPECT_EQ(child<QLabel>(window_.get(), "lblProgresso")->text(), "100%");
}

TEST_F(NginxDownloadTest, FetchesTheRestAsANewFileAndJoinsIt)
{
    writeFile("movie.bin", original_.left(200'000));
    startFromFile(nginx_.url("movie.bin"), "movie.bin", "rest.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado");
    EXPECT_TRUE(readFile("movie.bin") == original_.left(200'000));
    EXPECT_TRUE(readFile("rest.bin") == original_.mid(199'999));

    click(child<QPushButton>(window_.get(), "cmbJuntar"));
    box("txtArquivoFonte")->setText(pathIn("movie.bin"));
    box("txtRestante")->setText(pathIn("rest.bin"));
    click(child<QPushButton>(window_.get(), "cmbUnir"));
    ASSERT_TRUE(waitUntil([this] { return !window_->joining(); }));
    EXPECT_EQ(child<QLabel>(window_.get(), "lblUnir")->text(), "Pronto");
    EXPECT_TRUE(readFile("movie.bin") == original_);
}

TEST_F(NginxDownloadTest, TheJoinRefusesAPartFetchedFromTheFirstMissingByte)
{
    writeFile("movie.bin", original_.left(200'000));
    startFromByte(nginx_.url("movie.bin"), "200001", "rest.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado");
    ASSERT_TRUE(readFile("rest.bin") == original_.mid(200'000));

    click(child<QPushButton>(window_.get(), "cmbJuntar"));
    box("txtArquivoFonte")->setText(pathIn("movie.bin"));
    box("txtRestante")->setText(pathIn("rest.bin"));
    click(child<QPushButton>(window_.get(), "cmbUnir"));
    ASSERT_TRUE(waitUntil([this] { return !window_->joining(); }));
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("não é o último byte"));
    EXPECT_NE(child<QLabel>(window_.get(), "lblUnir")->text(), "Pronto");
    EXPECT_TRUE(readFile("movie.bin") == original_.left(200'000));
}

TEST_F(NginxDownloadTest, FetchesFromATypedByte)
{
    startFromByte(nginx_.url("movie.bin"), "1001", "tail.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado");
    EXPECT_TRUE(readFile("tail.bin") == original_.mid(1000));

    // Byte 1 is the whole file, from a server that ignores ranges too.
    startFromByte(nginx_.url("noranges/movie.bin"), "1", "whole.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado");
    EXPECT_TRUE(readFile("whole.bin") == original_);
}

TEST_F(NginxDownloadTest, AServerIgnoringRangesCompletesAfterComparingEveryPresentByte)
{
    // In place: the whole file comes, the present part is read past and compared.
    writeFile("movie.bin", original_.left(100'000));
    startFromFile(nginx_.url("noranges/movie.bin"), "movie.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado e unido");
    EXPECT_TRUE(readFile("movie.bin") == original_);

    // A difference far before the end stops it, and the file stays as it was.
    QByteArray changed = original_.left(100'000);
    changed[1234] = static_cast<char>(~changed[1234]);
    writeFile("movie.bin", changed);
    startFromFile(nginx_.url("noranges/movie.bin"), "movie.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "O arquivo no servidor mudou");
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("deslocamento 1234"))
        << dialogs_.lastMessage().text.toStdString();
    EXPECT_TRUE(readFile("movie.bin") == changed);
    EXPECT_EQ(files(), QStringList{"movie.bin"});
}

TEST_F(NginxDownloadTest, AnExistingDestinoIsReplacedOnlyOnTheUsersWord)
{
    writeFile("movie.bin", original_.left(200'000));
    writeFile("rest.bin", "old part");
    startFromFile(nginx_.url("movie.bin"), "movie.bin", "rest.bin");
    EXPECT_FALSE(window_->downloading()) << "declined: nothing starts";
    const auto question = dialogs_.lastMessage();
    EXPECT_TRUE(question.text.contains(pathIn("rest.bin")));
    EXPECT_TRUE(question.text.contains("(8 bytes)")) << question.text.toStdString();
    EXPECT_EQ(readFile("rest.bin"), "old part");

    dialogs_.answers.push_back(true);
    click(child<QPushButton>(window_.get(), "cmbGo"));
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado");
    EXPECT_TRUE(readFile("rest.bin") == original_.mid(199'999));
    EXPECT_EQ(files(), (QStringList{"movie.bin", "rest.bin"}));
}

TEST_F(NginxDownloadTest, TheChecksumBoxProvesTheWholeFile)
{
    writeFile("movie.bin", original_.left(100'000));
    const QByteArray sum = QCryptographicHash::hash(original_, QCryptographicHash::Sha256).toHex();
    box("txtSoma")->setText(QString::fromLatin1(sum));
    startFromFile(nginx_.url("movie.bin"), "movie.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado e unido - verificado (SHA-256 digitado)");
    EXPECT_TRUE(window_->statusLine().startsWith("E: Download terminado e unido - verificado"));

    writeFile("movie.bin", original_.left(100'000));
    box("txtSoma")->setText(QString(32, QLatin1Char('0')));
    startFromFile(nginx_.url("movie.bin"), "movie.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "O arquivo não confere com o MD5 digitado");
    EXPECT_EQ(dialogs_.lastMessage().icon, suite::MessageIcon::Critical);
}

TEST_F(NginxDownloadTest, AMissingFileChangesNoFile)
{
    writeFile("movie.bin", original_.left(1000));
    startFromFile(nginx_.url("gone.bin"), "movie.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Erro do servidor: 404 Not Found");
    EXPECT_TRUE(dialogs_.lastMessage().text.contains("404"));
    EXPECT_TRUE(readFile("movie.bin") == original_.left(1000));
    EXPECT_EQ(files(), QStringList{"movie.bin"});
}

TEST_F(NginxDownloadTest, AStartOutsideTheFileAsksNothing)
{
    startFromByte(nginx_.url("movie.bin"), "300002", "tail.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Nada a baixar");
    startFromByte(nginx_.url("movie.bin"), "0", "tail.bin");
    EXPECT_FALSE(window_->downloading());
    EXPECT_EQ(estado(), "Byte inicial fora do arquivo");
    EXPECT_EQ(dialogs_.messages().size(), 2);
    EXPECT_TRUE(files().isEmpty());
}

// ---------------------------------------------------------------- scripted replies

const QByteArray kHead = "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n";
const QByteArray kRangeHeader =
    "HTTP/1.0 206 Partial Content\r\nContent-Range: bytes 4-9/10\r\n\r\n";

TEST_F(DownloadTest, SendsExactlyTheTwoRequestsAndTakesRepliesInPieces)
{
    ScriptedServer server({
        {{"HTTP/1.0 200 OK\r\nCon", "tent-Length: 1", "0\r\n\r", "\n"}},
        {{kRangeHeader.left(30), kRangeHeader.mid(30, kRangeHeader.size() - 32),
          kRangeHeader.right(2) + "45", "67", "89"}},
    });
    writeFile("file.bin", "01234");
    startFromFile(server.url("file.bin"), "file.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado e unido");
    EXPECT_EQ(readFile("file.bin"), "0123456789");
    ASSERT_EQ(server.requests.size(), 2);
    const QByteArray host = "Host: 127.0.0.1:" + QByteArray::number(server.port()) + "\r\n";
    const QByteArray common = "User-Agent: Tailfetch/2.0\r\nAccept-Encoding: identity\r\n";
    EXPECT_EQ(server.requests[0],
              "HEAD /file.bin HTTP/1.1\r\n" + host + common + "Connection: close\r\n\r\n");
    EXPECT_EQ(server.requests[1], "GET /file.bin HTTP/1.1\r\n" + host + common +
                                      "Range: bytes=4-9\r\nConnection: close\r\n\r\n");
}

TEST_F(DownloadTest, ATypedFractionRoundsHalfToEven)
{
    ScriptedServer server({{{"HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n"}}, {{}, false}});
    startFromByte(server.url("f"), "1000.5", "part.bin");
    ASSERT_TRUE(waitUntil([&] { return server.requests.size() == 2; }));
    EXPECT_TRUE(server.requests[1].contains("\r\nRange: bytes=999-4999\r\n"));
}

TEST_F(DownloadTest, ShowsTheExpectedAndReceivedCountsWhileDownloading)
{
    ScriptedServer server({{{kHead}}, {{kRangeHeader + "45"}, false}});
    startFromByte(server.url("f"), "5", "part.bin");
    ASSERT_TRUE(waitUntil([&] { return recebido() == "2"; }));
    EXPECT_EQ(estado(), "Baixando arquivo - 6 bytes");
    EXPECT_TRUE(window_->statusLine().startsWith("E: Baixando arquivo - 6 bytes | R: 2 | V: "));
    // The speed is the average of the body since its first bytes.
    tick();
    EXPECT_EQ(velocidade(), "2 bytes/seg");
    tick();
    EXPECT_EQ(velocidade(), "1 bytes/seg");
    EXPECT_TRUE(child<QLabel>(window_.get(), "lblProgresso")->text().startsWith("60% - faltam 4 s"))
        << child<QLabel>(window_.get(), "lblProgresso")->text().toStdString();
    // The new file grows under another name until it is whole.
    EXPECT_EQ(files(), QStringList{"part.bin.tailfetch-part"});
    EXPECT_EQ(readFile("part.bin.tailfetch-part"), "45");
}

TEST_F(DownloadTest, AfterARedirectToAnotherHostTheWindowNamesThatHost)
{
    // Two loopback addresses stand for two hosts.
    ScriptedServer mirror({{{kHead}}, {{kRangeHeader + "45"}, false}}, 30,
                          QHostAddress(QStringLiteral("127.0.0.2")));
    ASSERT_NE(mirror.port(), 0) << "127.0.0.2 cannot be listened on";
    ScriptedServer origin({{{"HTTP/1.1 302 Found\r\nLocation: " + mirror.url("f").toLatin1() +
                             "\r\nContent-Length: 0\r\n\r\n"}}});
    QLabel* host = child<QLabel>(window_.get(), "lblHost");
    startFromByte(origin.url("f"), "5", "part.bin");
    EXPECT_EQ(host->text(), QStringLiteral("127.0.0.1:%1").arg(origin.port()));
    ASSERT_TRUE(waitUntil([&] { return recebido() == "2"; }));
    EXPECT_EQ(host->text(), "127.0.0.2");
    EXPECT_EQ(estado(), "Baixando arquivo - 6 bytes de 127.0.0.2");
    EXPECT_TRUE(
        window_->statusLine().startsWith("E: Baixando arquivo - 6 bytes de 127.0.0.2 | R: 2 | V: "))
        << window_->statusLine().toStdString();
    EXPECT_EQ(origin.requests.size(), 1);
    ASSERT_EQ(mirror.requests.size(), 2);
    EXPECT_TRUE(mirror.requests[1].contains(
        "\r\nHost: 127.0.0.2:" + QByteArray::number(mirror.port()) + "\r\n"));
}

TEST_F(DownloadTest, StopKeepsTheFetchedBytes)
{
    ScriptedServer server({{{kHead}}, {{kRangeHeader + "45"}, false}});
    writeFile("file.bin", "01234");
    startFromFile(server.url("f"), "file.bin", "part.bin");
    ASSERT_TRUE(waitUntil([&] { return recebido() == "2"; }));
    click(child<QPushButton>(window_.get(), "cmbStop"));
    EXPECT_FALSE(window_->downloading());
    EXPECT_EQ(estado(), "Download Cancelado");
    EXPECT_EQ(child<QLabel>(window_.get(), "lblVelocidade")->text(), "Parado");
    EXPECT_EQ(recebido(), "2");
    // The part so far, from the source's last byte on, ready to be joined.
    EXPECT_EQ(files(), (QStringList{"file.bin", "part.bin"}));
    EXPECT_EQ(readFile("part.bin"), "45");
    EXPECT_EQ(readFile("file.bin"), "01234");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(DownloadTest, ClosingTheWindowKeepsWhatArrivedInPlace)
{
    ScriptedServer server({{{kHead}}, {{kRangeHeader + "45"}, false}});
    writeFile("file.bin", "01234");
    startFromFile(server.url("f"), "file.bin");
    ASSERT_TRUE(waitUntil([&] { return recebido() == "2"; }));
    window_->close();
    EXPECT_EQ(files(), (QStringList{"config.ini", "file.bin"}));
    EXPECT_EQ(readFile("file.bin"), "012345");
}

TEST_F(DownloadTest, AnEndThatBringsTheLastHeadBytesGoesOnToTheRangedRequest)
{
    // The HEAD reply is still unread when its connection reports its end.
    ScriptedServer server({{{QByteArray(), kHead}}, {{kRangeHeader + "456789"}}}, 300);
    writeFile("file.bin", "01234");
    startFromFile(server.url("f"), "file.bin");
    ASSERT_TRUE(waitUntil([&] { return server.requests.size() == 1; }));
    auto* socket = window_->findChild<QTcpSocket*>("WS");
    ASSERT_NE(socket, nullptr);
    socket->blockSignals(true);
    ASSERT_TRUE(waitUntil([&] { return socket->bytesAvailable() == kHead.size(); }));
    socket->blockSignals(false);
    emit socket->disconnected();
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado e unido");
    EXPECT_EQ(readFile("file.bin"), "0123456789");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

struct BadReply {
    const char* name;
    QList<ScriptedServer::Reply> script;
    const char* status;
};

void PrintTo(const BadReply& reply, std::ostream* out)
{
    *out << reply.name;
}

class BadReplyTest : public DownloadTest, public ::testing::WithParamInterface<BadReply> {};

TEST_P(BadReplyTest, StopsTheJobAndChangesNoFile)
{
    ScriptedServer server(GetParam().script);
    writeFile("file.bin", "01234");
    writeFile("part.bin", "old");
    dialogs_.answers.push_back(true); // it may be replaced by a finished file
    startFromFile(server.url("f"), "file.bin", "part.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), QString::fromUtf8(GetParam().status));
    EXPECT_EQ(dialogs_.lastMessage().icon, suite::MessageIcon::Critical);
    EXPECT_EQ(readFile("file.bin"), "01234");
    EXPECT_EQ(readFile("part.bin"), "old");
    EXPECT_EQ(files(), (QStringList{"file.bin", "part.bin"}));
    EXPECT_TRUE(child<QPushButton>(window_.get(), "cmbGo")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(window_.get(), "cmbStop")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Scripted, BadReplyTest,
    ::testing::Values(
        BadReply{"NoLength",
                 {{{"HTTP/1.0 200 OK\r\nServer: x\r\n\r\n"}}},
                 "Tamanho do arquivo desconhecido"},
        BadReply{"HeadClosedEarly",
                 {{{"HTTP/1.0 200 OK\r\nContent-Le"}}},
                 "Conexão encerrada antes do fim"},
        BadReply{"ExtraBytes",
                 {{{kHead}}, {{kRangeHeader + "456789X"}, false}},
                 "O servidor enviou bytes a mais"},
        BadReply{
            "ChangedFile", {{{kHead}}, {{kRangeHeader + "X56789"}}}, "O arquivo no servidor mudou"},
        BadReply{"UnknownCoding",
                 {{{kHead}},
                  {{"HTTP/1.1 206 P\r\nContent-Range: bytes 4-9/10\r\nTransfer-Encoding: "
                    "gzip\r\n\r\nxx"}}},
                 "Resposta em codificação desconhecida"},
        BadReply{"NoStatusLine", {{{"garbage\r\n\r\n"}}}, "Resposta inválida do servidor"},
        BadReply{"Login",
                 {{{"HTTP/1.1 401 Unauthorized\r\nContent-Length: 0\r\n\r\n"}}},
                 "O servidor pede login"},
        BadReply{"OtherRange",
                 {{{kHead}}, {{"HTTP/1.0 206 P\r\nContent-Range: bytes 0-9/10\r\n\r\n0123456789"}}},
                 "Intervalo diferente do pedido"},
        BadReply{
            "NotHttp", {{{kHead}}, {{"SSH-2.0-OpenSSH\r\n\r\n"}}}, "Resposta inválida do servidor"},
        BadReply{"RedirectToNothing",
                 {{{"HTTP/1.0 302 Found\r\nLocation: ftp://x/y\r\nContent-Length: 0\r\n\r\n"}}},
                 "Redirecionamento inválido"}),
    [](const ::testing::TestParamInfo<BadReply>& param) { return std::string(param.param.name); });

TEST_F(DownloadTest, AJobShorterThanATickStillShowsItsSpeed)
{
    ScriptedServer server({{{kHead}}, {{kRangeHeader + "456789"}}});
    writeFile("file.bin", "01234");
    startFromFile(server.url("f"), "file.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Download terminado e unido");
    const QString speed = child<QLabel>(window_.get(), "lblVelocidade")->text();
    EXPECT_TRUE(speed.endsWith(" bytes/seg") && speed != " bytes/seg") << speed.toStdString();
    EXPECT_FALSE(window_->statusLine().endsWith("V: "));
}

TEST_F(DownloadTest, ARefusedBodyIsNotCountedAsReceived)
{
    ScriptedServer server({{{kHead}}, {{kRangeHeader + "X56789"}}});
    writeFile("file.bin", "01234");
    startFromFile(server.url("f"), "file.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "O arquivo no servidor mudou");
    EXPECT_EQ(recebido(), "");
    EXPECT_EQ(readFile("file.bin"), "01234");
}

TEST_F(DownloadTest, ARefusedConnectionIsReported)
{
    startFromByte(QStringLiteral("http://127.0.0.1:%1/f").arg(testing::freePort()), "1",
                  "part.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(estado(), "Conexão recusada");
    EXPECT_EQ(dialogs_.lastMessage().title, "Erro");
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(DownloadTest, APortThatIsNoPortIsRefused)
{
    startFromByte("http://127.0.0.1:http/f", "1", "part.bin");
    EXPECT_FALSE(window_->downloading());
    EXPECT_EQ(dialogs_.lastMessage().title, "Erro");
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(DownloadTest, ASecondJobShowsItsOwnSpeed)
{
    ScriptedServer server(
        {{{kHead}}, {{kRangeHeader + "45"}, false}, {{kHead}}, {{kRangeHeader + "4"}, false}});
    startFromByte(server.url("f"), "5", "part.bin");
    ASSERT_TRUE(waitUntil([&] { return recebido() == "2"; }));
    tick();
    tick();
    tick();
    EXPECT_EQ(velocidade(), "1 bytes/seg");
    click(child<QPushButton>(window_.get(), "cmbStop"));
    dialogs_.answers.push_back(true); // the first job's part is there now
    startFromByte(server.url("f"), "5", "part.bin");
    ASSERT_TRUE(waitUntil([&] { return recebido() == "1"; }));
    tick();
    EXPECT_EQ(velocidade(), "1 bytes/seg");
}

} // namespace
} // namespace tailfetch
