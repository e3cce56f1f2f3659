<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Atsaukt</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Atkā&amp;rtot</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Izgriezt</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopēt</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>Ie&amp;līmēt</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Dzēst</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Atlasīt &amp;visu</translation>
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
        <translation>Iespējams, nav interneta savienojuma vai serveris nedarbojas.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Neizdevās nolasīt versijas numuru</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Neizdevās nolasīt versijas numuru.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Versijas informācija netika atrasta</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Versijas informācija netika atrasta.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Atjauninājumu pārbaude</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Notiek atjauninājumu pārbaude…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Ir publicēta jaunāka versija.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Vai atvērt lejupielādes lapu?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Atvērt lejupielādes lapu</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ne tagad</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Atkļūdošanas informācija ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Aizvērt</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Ir publicēta jaunāka versija „%1“.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Jaunākas versijas nav.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Jūs izmantojat jaunāko versiju.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Neizdevās iegūt versijas informāciju.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Norādītais fails netika atrasts.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Norādītais URL netika atrasts.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Neizdevās atvērt pārlūkprogrammu.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Atjauninājumu pārbaude</translation>
    </message>
</context>
</TS>
