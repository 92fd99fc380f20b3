// Start-up read of a catalogue the size of the full public profile list,
// against a bare QXmlStreamReader pass over the same file (the floor for any
// reader that looks at every element once).
#include "core/Catalog_EnOcean.h"
#include "platform/rtl/XmlDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {

// About 5 MB: 4 RORGs x 32 FUNCs x 8 TYPEs x 3 cases x 8 data fields.
QByteArray MakeCatalogue()
{
    QByteArray X;
    X += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<profile>\n";
    const int Rorgs[] = {0xF6, 0xD5, 0xA5, 0xD2};
    for (int Rorg : Rorgs) {
        X += "<rorg><number>0x" + QByteArray::number(Rorg, 16) + "</number><title>Telegram</title>\n";
        for (int f = 0; f < 32; ++f) {
            X += "<func><number>" + QByteArray::number(f) + "</number><title>Function " + QByteArray::number(f) + "</title>\n";
            for (int t = 0; t < 8; ++t) {
                X += "<type><number>" + QByteArray::number(t) + "</number><title>Type " + QByteArray::number(t) + "</title>\n";
                for (int c = 0; c < 3; ++c) {
                    X += "<case><title>Case " + QByteArray::number(c) + "</title><condition>"
                         "<statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield>"
                         "<datafield><value>" + QByteArray::number(c) + "</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield>"
                         "</condition>\n";
                    for (int d = 0; d < 8; ++d)
                        X += "<datafield><data>Field " + QByteArray::number(d) + "</data><shortcut>F" + QByteArray::number(d)
                           + "</shortcut><description>Description of the field</description><info>0..255: 0..100 %</info><bitoffs>"
                           + QByteArray::number(d * 4) + "</bitoffs><bitsize>4</bitsize></datafield>\n";
                    X += "</case>\n";
                }
                X += "</type>\n";
            }
            X += "</func>\n";
        }
        X += "</rorg>\n";
    }
    X += "</profile>\n";
    return X;
}

struct TCatalogueFile {
    QTemporaryDir Dir;
    QString Path;
    qint64 Size = 0;
    TCatalogueFile()
    {
        Path = Dir.filePath(QStringLiteral("eep.xml"));
        QFile F(Path);
        F.open(QIODevice::WriteOnly);
        Size = F.write(MakeCatalogue());
    }
};

const TCatalogueFile& File()
{
    static TCatalogueFile F;
    return F;
}

void BM_Read_Cat_EnOcean_XML(benchmark::State& State)
{
    for (auto _ : State) {
        TCatalog_EnOcean Cat;
        if (!Cat.Read_Cat_EnOcean_XML(File().Path))
            State.SkipWithError("read failed");
        benchmark::DoNotOptimize(Cat.List_Rorg.size());
    }
    State.SetBytesProcessed(State.iterations() * File().Size);
}
BENCHMARK(BM_Read_Cat_EnOcean_XML)->Unit(benchmark::kMillisecond);

// The document load alone, to tell parsing from walking.
void BM_TXMLDocument_Load(benchmark::State& State)
{
    for (auto _ : State) {
        TXMLDocument Doc;
        Doc.LoadFromFile(File().Path);
        benchmark::DoNotOptimize(Doc.DocumentElement());
    }
    State.SetBytesProcessed(State.iterations() * File().Size);
}
BENCHMARK(BM_TXMLDocument_Load)->Unit(benchmark::kMillisecond);

void BM_QXmlStreamReader_Scan(benchmark::State& State)
{
    for (auto _ : State) {
        QFile F(File().Path);
        F.open(QIODevice::ReadOnly);
        QXmlStreamReader R(&F);
        qint64 Elements = 0;
        while (!R.atEnd())
            if (R.readNext() == QXmlStreamReader::StartElement)
                ++Elements;
        benchmark::DoNotOptimize(Elements);
    }
    State.SetBytesProcessed(State.iterations() * File().Size);
}
BENCHMARK(BM_QXmlStreamReader_Scan)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
