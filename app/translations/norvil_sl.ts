<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Razveljavi</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Uveljavi</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Izreži</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Prilepi</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Iz&amp;briši</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Izberi &amp;vse</translation>
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
        <translation>Morda niste povezani z internetom ali pa strežnik ne deluje.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Številke različice ni bilo mogoče prebrati</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Številke različice ni bilo mogoče prebrati.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Podatkov o različici ni bilo mogoče najti</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Podatkov o različici ni bilo mogoče najti.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Preverjanje posodobitev</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Preverjanje posodobitev&#xa0;…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Izšla je novejša različica.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Ali želite odpreti stran za prenos?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Odpri stran za prenos</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ne zdaj</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Podatki za razhroščevanje ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Zapri</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Izšla je novejša različica „%1“.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Novejša različica ni na voljo.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Uporabljate najnovejšo različico.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Podatkov o različici ni bilo mogoče pridobiti.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Navedene datoteke ni bilo mogoče najti.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Navedenega URL-ja ni bilo mogoče najti.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Brskalnika ni bilo mogoče odpreti.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Preverjanje posodobitev</translation>
    </message>
</context>
</TS>
