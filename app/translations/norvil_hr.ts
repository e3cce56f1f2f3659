<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Poništi</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>Po&amp;novi</translation>
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
        <translation>&amp;Zalijepi</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Iz&amp;briši</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Odaberi &amp;sve</translation>
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
        <translation>Možda niste povezani s internetom ili je poslužitelj nedostupan.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Prepoznavanje broja verzije nije uspjelo</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Prepoznavanje broja verzije nije uspjelo.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Informacije o verziji nisu pronađene</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Informacije o verziji nisu pronađene.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Provjera ažuriranja</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Provjera ima li ažuriranja…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Objavljena je novija verzija.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Želite li otvoriti stranicu za preuzimanje?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Otvori stranicu</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ne sada</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Informacije za otklanjanje pogrešaka ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Objavljena je novija verzija „%1”.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Nema novije verzije.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Koristite najnoviju verziju.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Dohvaćanje informacija o verziji nije uspjelo.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Navedena datoteka nije pronađena.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Navedena URL adresa nije pronađena.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Otvaranje preglednika nije uspjelo.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 – Provjera ažuriranja</translation>
    </message>
</context>
</TS>
