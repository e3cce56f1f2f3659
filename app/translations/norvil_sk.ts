<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Späť</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Znova</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Vys&amp;trihnúť</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopírovať</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Prilepiť</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>O&amp;dstrániť</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Vybrať &amp;všetko</translation>
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
        <translation>Možno nie ste pripojení na internet alebo server nie je v prevádzke.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Nepodarilo sa prečítať číslo verzie</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Nepodarilo sa prečítať číslo verzie.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Informácie o verzii sa nenašli</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Informácie o verzii sa nenašli.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Kontrola aktualizácií</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Prebieha kontrola aktualizácií…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Bola vydaná novšia verzia.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Chcete otvoriť stránku na stiahnutie?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Otvoriť stránku</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Teraz nie</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Ladiace informácie ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Zavrieť</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Bola vydaná novšia verzia „%1“.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Novšia verzia nie je k dispozícii.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Používate najnovšiu verziu.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Nepodarilo sa získať informácie o verzii.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Zadaný súbor sa nenašiel.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Zadaná adresa URL sa nenašla.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Nepodarilo sa otvoriť prehliadač.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Kontrola aktualizácií</translation>
    </message>
</context>
</TS>
