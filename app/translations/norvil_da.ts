<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Gentag</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>K&amp;lip</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopiér</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Sæt &amp;ind</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Markér &amp;alt</translation>
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
        <translation>Der er måske ingen internetforbindelse, eller serveren kan være nede.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Versionsnummeret kunne ikke læses</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Versionsnummeret kunne ikke læses.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Versionsoplysningerne blev ikke fundet</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Versionsoplysningerne blev ikke fundet.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Søg efter opdateringer</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Søger efter opdateringer…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Der er udgivet en nyere version.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Vil du åbne downloadsiden?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Åbn downloadsiden</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ikke nu</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Fejlfindingsoplysninger ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Den nyeste version, %1, er udgivet.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Der findes ingen nyere version.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Du bruger allerede den nyeste version.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Versionsoplysningerne kunne ikke hentes.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Den angivne fil blev ikke fundet.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Den angivne URL blev ikke fundet.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Browseren kunne ikke åbnes.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Søg efter opdateringer</translation>
    </message>
</context>
</TS>
