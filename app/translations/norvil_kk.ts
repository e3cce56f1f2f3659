<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kk" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Болдырмау</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Қайталау</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Қиып &amp;алу</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Көшіру</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Қ&amp;ою</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Жою</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Барлығын &amp;таңдау</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Мүмкін, интернетке қосылым жоқ немесе сервер қолжетімсіз.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Нұсқа нөмірін тану мүмкін болмады</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Нұсқа нөмірін тану мүмкін болмады.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Нұсқа туралы ақпарат табылмады</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Нұсқа туралы ақпарат табылмады.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Жаңартуларды тексеру</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Жаңартулар тексерілуде…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Жаңа нұсқа жарияланды.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Жүктеп алу бетін ашасыз ба?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>Жүктеп алу бетін &amp;ашу</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Қазір емес</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Жөндеу ақпараты ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Жабу</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>«%1» жаңа нұсқасы жарияланды.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Жаңа нұсқа жоқ.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Сіз ең жаңа нұсқаны пайдаланып отырсыз.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Нұсқа туралы ақпаратты алу мүмкін болмады.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Көрсетілген файл табылмады.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Көрсетілген URL мекенжайы табылмады.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Браузерді ашу мүмкін болмады.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 — Жаңартуларды тексеру</translation>
    </message>
</context>
</TS>
