<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>E&amp;zabatu</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>&amp;Hautatu dena</translation>
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
        <translation>Baliteke Internet-konexiorik ez izatea edo zerbitzaria erorita egotea.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Ezin izan da bertsio-zenbakia irakurri</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Ezin izan da bertsio-zenbakia irakurri.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Ez da bertsio-informazioa aurkitu</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Ez da bertsio-informazioa aurkitu.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Bilatu eguneratzeak</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Eguneratzeak bilatzen…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Bertsio berriago bat dago eskuragarri.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Deskarga-orria ireki nahi duzu?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Ireki deskarga-orria</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Orain ez</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Arazketa-informazioa ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Itxi</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Bertsio berriena, «%1», eskuragarri dago.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Ez dago bertsio berriagorik.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Erabiltzen ari zaren bertsioa da berriena.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Ezin izan da bertsio-informazioa lortu.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Ez da zehaztutako fitxategia aurkitu.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Ez da zehaztutako URLa aurkitu.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Ezin izan da nabigatzailea ireki.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Bilatu eguneratzeak</translation>
    </message>
</context>
</TS>
